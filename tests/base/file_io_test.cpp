// Reading and writing files under hostile conditions: files that never end,
// links, what a killed run leaves behind, and the modes files end up with.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/error.h"
#include "base/file_io.h"
#include "base/printable_text.h"
#include "base/temporary_files.h"
#include "support/temp_folder.h"

namespace nimbrel {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string readError(const std::string& name)
{
    try {
        readWholeFile(name);
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

TEST(BoundedRead, RefusesEndlessAndOversizedFilesAtOnceNamingThem)
{
    test::TempFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string sparse = folder.file("sparse.ini");
    std::ofstream(sparse).close();
    fs::resize_file(sparse, 2ULL * 1024 * 1024 * 1024);  // 2 GB of nothing, no disk taken

    const auto start = std::chrono::steady_clock::now();
    EXPECT_THAT(readError(fifo), StartsWith("Cannot open file \"" + fifo + "\". It is not a regular file"));
    EXPECT_THAT(readError("/dev/zero"), HasSubstr("It is not a regular file"));
    EXPECT_THAT(readError(sparse), StartsWith("Cannot open file \"" + sparse + "\". It is larger than 16 MB"));
    EXPECT_THAT(readError(folder.path().string()), HasSubstr("Is a directory"));
    // A blocked open or a read of 2 GB would take far longer than this.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    const std::string limit = folder.file("limit.txt");
    writeFileAtomically(limit, std::string(kMaxTextFileBytes, 'x'));
    EXPECT_EQ(readWholeFile(limit).size(), kMaxTextFileBytes);
    writeFileAtomically(limit, std::string(kMaxTextFileBytes + 1, 'x'));
    EXPECT_THAT(readError(limit), HasSubstr("larger than 16 MB"));
}

TEST(BoundedRead, APipeIsReadToItsEndButNotPastTheLimit)
{
    for (const std::size_t limit : {std::size_t{5}, std::size_t{4}}) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        ASSERT_EQ(::write(fds[1], "hello", 5), 5);
        ::close(fds[1]);
        if (limit == 5)
            EXPECT_EQ(readBounded(fds[0], "standard input", limit).size(), 5u);
        else
            EXPECT_THROW(readBounded(fds[0], "standard input", limit), Error);
        ::close(fds[0]);
    }
}

TEST(AtomicWrite, ReplacesTheTargetOfASymbolicLinkAndKeepsTheLink)
{
    test::TempFolder folder;
    fs::create_directory(folder.path() / "real");
    writeFileAtomically(folder.file("real/Nimbrel.ini"), std::string("old"));
    fs::create_symlink("real/Nimbrel.ini", folder.path() / "Nimbrel.ini");

    writeFileAtomically(folder.file("Nimbrel.ini"), std::string("new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "Nimbrel.ini"));
    const std::vector<std::uint8_t> expected = {'n', 'e', 'w'};
    EXPECT_EQ(readWholeFile(folder.file("real/Nimbrel.ini")), expected);
}

void makeOld(const std::string& name)
{
    const struct timeval old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimes(name.c_str(), old);
}

TEST(AtomicWrite, RemovesOnlyTheStaleTemporaryFilesOfAKilledRun)
{
    test::TempFolder folder;
    const std::string stale = folder.file(".nimbrel-Ab3xYz");
    const std::string fresh = folder.file(".nimbrel-Fresh1");
    const std::string locked = folder.file(".nimbrel-Lock99");
    const std::string notOurs = folder.file(".nimbrel-notours");
    for (const std::string& name : {stale, fresh, locked, notOurs}) std::ofstream(name) << "x";
    for (const std::string& name : {stale, locked, notOurs}) makeOld(name);
    const int lock = ::open(locked.c_str(), O_RDONLY);
    markTemporaryFileInUse(lock);  // a writer of another run, still at work

    writeFileAtomically(folder.file("button.bmp"), std::string("bmp"));
    ::close(lock);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(locked));
    EXPECT_TRUE(fs::exists(notOurs));
}

TEST(AtomicWrite, AWriteThatOutgrowsTheBufferLocksItsTemporaryFile)
{
    // A large file may take long enough to write that another run could take
    // its temporary file for abandoned: it must hold the lock by then.
    test::TempFolder folder;
    writeFileAtomically(folder.file("large.bmp"), [&](FileWriter& out) {
        const std::vector<char> block(200 * 1024, 'x');
        out.write(block.data(), block.size());
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const int fd = ::open(entry.path().c_str(), O_RDONLY);
            EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0) << entry.path();
            ::close(fd);
        }
        out.write("end", 3);
    });
    EXPECT_EQ(fs::file_size(folder.file("large.bmp")), 200u * 1024 + 3);
}

TEST(AtomicWrite, AFailingProducerLeavesTheOldFileAndNoTemporaryFile)
{
    test::TempFolder folder;
    const std::string name = folder.file("button.bmp");
    writeFileAtomically(name, std::string("old"));
    EXPECT_THROW(writeFileAtomically(name,
                                     [](FileWriter& out) {
                                         out.write("partial", 7);
                                         throw Error("conversion failed");
                                     }),
                 Error);
    EXPECT_EQ(readWholeFile(name).size(), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(PrintableText, EscapesControlCharactersAndKeepsEverythingElse)
{
    EXPECT_EQ(printableText("a\x1b[31mb\x07\n\x7f"), "a\\x1b[31mb\\x07\\x0a\\x7f");
    EXPECT_EQ(printableText("\xc2\x9b" "2J caf\xc3\xa9 \xc2\xa0"), "\\x9b2J caf\xc3\xa9 \xc2\xa0");
    EXPECT_EQ(printableText(std::string("a\0b", 3)), "a\\x00b");
}

}  // namespace
}  // namespace nimbrel

namespace nimbrel::test {
namespace {

mode_t modeOf(const std::string& file)
{
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st.st_mode & 07777;
}

TEST(FileIo, ReplacedFilesKeepTheirModeAndNewFilesFollowTheUmask)
{
    TempFolder folder;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // One mode a usual umask leaves as it is, one it would narrow.
    for (mode_t mode : {mode_t(0640), mode_t(0666)}) {
        const std::string file = folder.file("kept" + std::to_string(mode));
        writeFileAtomically(file, std::string("old"));
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        writeFileAtomically(file, std::string("new"));
        EXPECT_EQ(modeOf(file), mode);
        EXPECT_EQ(readWholeFile(file), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    }
    const std::string fresh = folder.file("fresh.bin");
    writeNewFileAtomically(fresh, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_EQ(modeOf(fresh), mode_t(0666 & ~mask));
    EXPECT_EQ(readWholeFile(fresh), (std::vector<std::uint8_t>{1, 2, 3}));

    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string().rfind(".nimbrel-", 0), std::string::npos);
        ++count;
    }
    EXPECT_EQ(count, 3u);
}

}  // namespace
}  // namespace nimbrel::test
