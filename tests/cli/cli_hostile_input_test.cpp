// nimbrel-batch given what an attacker or an unlucky user would give it: files
// that never end, names that climb out of the output folder, sizes beyond the
// toolkit, and too little memory. Each ends with a clear message and exit 1,
// and what standard output lists is exactly what is on the disk.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gmock/gmock.h>

#include "cli_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryLimitsWork = false;  // the sanitizer's shadow memory needs far more
#else
constexpr bool kMemoryLimitsWork = true;
#endif

class HostileInputTest : public CliTest {
protected:
    // The program with its data memory (heap and anonymous mappings) limited to `kilobytes`.
    ProcessResult runWithMemoryLimit(long kilobytes, const std::vector<std::string>& args) const
    {
        std::vector<std::string> command = {"-c", "ulimit -d " + std::to_string(kilobytes) + " && exec \"$0\" \"$@\"",
                                            NIMBREL_BATCH_EXE};
        command.insert(command.end(), args.begin(), args.end());
        return runChildren("/bin/sh", {command}, {{"NIMBREL_HOME", home.path().string()}}, scratch.path().string(), 1)
            .front();
    }

    // Every file of the output folder, with the folder in front, as standard output lists them.
    std::vector<std::string> filesOnDisk() const
    {
        std::vector<std::string> names;
        for (const std::string& name : filesIn(outDir())) {
            EXPECT_GT(fs::file_size(outDir() + "/" + name), 0u) << name;
            names.push_back(outDir() + "/" + name);
        }
        return names;
    }
};

TEST_F(HostileInputTest, TextFilesThatNeverEndOrAreHugeAreRefusedAtOnce)
{
    const std::string fifo = workFile("style.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string sparse = workFile("sparse.txt");
    std::ofstream(sparse).close();
    fs::resize_file(sparse, 2ULL * 1024 * 1024 * 1024);
    const std::vector<std::vector<std::string>> commands = {
        {"--style", "/dev/zero", "--out", outDir(), "Home"},
        {"--captions", "/dev/zero", "--out", outDir()},
        {"--style", fifo, "--out", outDir(), "Home"},
        {"--captions", sparse, "--out", outDir()},
    };
    const std::vector<ProcessResult> results = program.runAll(commands);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        EXPECT_EQ(results[i].status, 1) << commands[i][1];
        EXPECT_THAT(results[i].err, HasSubstr("Cannot open file \"" + commands[i][1] + "\". It is "));
    }
    EXPECT_THAT(results[3].err, HasSubstr("larger than 16 MB"));
    EXPECT_FALSE(fs::exists(outDir()));
}

TEST_F(HostileInputTest, NamesLeavingTheOutputFolderAreRefusedAndCheckFindsThem)
{
    const std::string list = writeCaptions({"One", "Out", "Three"}, {"./one", "../../escape", "three"});
    ProcessResult r = program.run({"--captions", list, "--out", outDir(), "--format", "bmp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{outDir() + "/./one.bmp"}));
    EXPECT_EQ(r.err, "nimbrel-batch: File name \"../../escape.bmp\" would be saved outside the output folder; "
                     "nothing is saved under it\n");
    EXPECT_FALSE(fs::exists(work.path().parent_path() / "escape.bmp"));

    r = program.run({"--check", "--captions", list, "--out", outDir()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"File name \"../../escape.bmp\" would be saved outside the "
                                                      "output folder; nothing is saved under it"}));
}

TEST_F(HostileInputTest, ControlCharactersReachTheTerminalEscaped)
{
    const std::string name = workFile("x\x1b[2J\x07\n.ini");
    const ProcessResult r = program.run({"--style", name, "--out", outDir(), "Home"});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("x\\x1b[2J\\x07\\x0a.ini"));
    EXPECT_EQ(r.err.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_EQ(lines(r.err).size(), 1u);
}

TEST_F(HostileInputTest, FontsAndCaptionsBeyondTheToolkitAreTooLargeNotEmpty)
{
    ButtonStyle style = firstStartStyle();
    style.fixedHeight = false;
    style.fontSize = 14000;
    ProcessResult r = program.run({"--style", writeStyle(style), "--out", outDir(), "--format", "both", "Ab"});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Font size 14000 pt is too large"));
    EXPECT_EQ(r.out, "");

    const std::string list = writeCaptions({"Fine", std::string(1 << 20, 'x')}, {"fine", "long"});
    r = program.run({"--captions", list, "--out", outDir(), "--format", "bmp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Caption is too long: 1048576 bytes (at most 4096)"));
    EXPECT_EQ(lines(r.out), filesOnDisk());
    EXPECT_EQ(filesIn(outDir()), (std::vector<std::string>{"fine.bmp"}));
}

TEST_F(HostileInputTest, AllocationFailureIsAnErrorAndTheListMatchesTheDisk)
{
    if (!kMemoryLimitsWork) GTEST_SKIP() << "memory limits do not apply under the address sanitizer";
    // The window's size limits hold for a style file too: the tallest button
    // they allow, made long by its caption.
    ButtonStyle style = firstStartStyle();
    style.fixedWidth = style.fixedHeight = false;
    style.width = 0;
    style.height = 200;
    // "i" makes a narrow button; the long caption one of about 38 MB, beyond the limit.
    const std::string list = writeCaptions({"i", std::string(3000, 'W'), "i"}, {"narrow", "wide", "again"});
    const ProcessResult r =
        runWithMemoryLimit(30000, {"--style", writeStyle(style), "--captions", list, "--out", outDir(), "--format", "both"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "nimbrel-batch: Out of memory\n");
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{outDir() + "/narrow.bmp", outDir() + "/narrow.gif"}));
    EXPECT_EQ(lines(r.out), filesOnDisk());
}

// A small RLE file may declare a bitmap of many megabytes: it is decoded once,
// straight into the picture the button is drawn from; and a large button is
// written out row by row, not first built whole in memory.
TEST_F(HostileInputTest, LargeBitmapsAreHeldOnceWhenLoadedAndSaved)
{
    if (!kMemoryLimitsWork) GTEST_SKIP() << "memory limits do not apply under the address sanitizer";
    std::vector<std::uint8_t> rle = {'B', 'M', 64, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,  // file header
                                     40, 0, 0, 0, 0x40, 0x1F, 0, 0, 0xB8, 0x0B, 0, 0,  // 8000 x 3000
                                     1, 0, 8, 0, 1, 0, 0, 0, 2, 0, 0, 0,                // 8 bits, RLE8
                                     0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,    // 2 colours
                                     0x20, 0x40, 0x60, 0, 0xFF, 0xFF, 0xFF, 0,          // colour table
                                     0, 1};                                            // end of bitmap
    writeFileAtomically(workFile("huge.bmp"), rle);
    ButtonStyle style = firstStartStyle();
    style.backgroundBitmapsOn = true;
    style.setBitmapEnabled(1, true);
    style.setBitmapFileName(1, workFile("huge.bmp"));
    style.setBitmapAlign(1, BitmapAlign::TopLeft);
    // 72 MB decoded: it fits once, not twice.
    ProcessResult r = runWithMemoryLimit(110000, {"--style", writeStyle(style), "--out", outDir(), "--format", "bmp", "Home"});
    EXPECT_EQ(r.status, 0) << r.err;

    // A button of about 70 MB, made by the caption (the window's limits hold for
    // the size fields): the same.
    style.backgroundBitmapsOn = false;
    style.fixedWidth = style.fixedHeight = false;
    style.width = style.height = 0;
    style.antiAliasLevel = 0;
    style.fontSize = 3600;
    r = runWithMemoryLimit(110000, {"--style", writeStyle(style), "--out", outDir(), "--format", "bmp", "W"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{outDir() + "/w.bmp"}));
    EXPECT_GT(fs::file_size(outDir() + "/w.bmp"), 50u * 1000 * 1000);
}

}  // namespace
}  // namespace nimbrel::test
