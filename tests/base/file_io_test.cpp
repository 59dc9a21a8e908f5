// Atomic writes: the mode a replaced or new file ends up with, and nothing
// left beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/file_io.h"
#include "support/temp_folder.h"

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
