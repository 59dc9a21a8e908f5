// The command line of nimbrel-batch: every option, its good values, its bad ones.
#include "cli_fixture.h"

namespace nimbrel::test {
namespace {

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    ProcessResult r = program.run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "nimbrel-batch v1.82\n");
    for (const char* help : {"-h", "--help"}) {
        r = program.run({help});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("Usage: nimbrel-batch [options] [CAPTION ...]\n", 0), 0u);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CliTest, BadUsageExitsWithTwoAndAOneLineHint)
{
    const std::vector<std::vector<std::string>> bad = {
        {},  // nothing to draw
        {"--bogus", "x"},
        {"x", "--style"},
        {"--style=", "x"},
        {"--captions", ""},
        {"--out", "", "x"},
        {"--format", "png", "x"},
        {"--format=BMP", "x"},
        {"--reduction", "7", "x"},
        {"--reduction", "-1", "x"},
        {"--dither", "7", "x"},
        {"--dither", "one", "x"},
        {"--compression", "zip", "x"},
        {"--bits", "2", "x"},
        {"--bits", "9", "x"},
        {"--bits", "08x", "x"},
        {"--check=yes", "x"},
    };
    const std::vector<ProcessResult> results = program.runAll(bad);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const ProcessResult& r = results[i];
        EXPECT_EQ(r.status, 2) << i;
        EXPECT_EQ(r.out, "") << i;
        EXPECT_EQ(lines(r.err).size(), 1u) << i << ": " << r.err;
        EXPECT_EQ(r.err.rfind("nimbrel-batch: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(filesIn(home.path().string()).empty());
}

TEST_F(CliTest, EveryGoodValueIsTakenAndReachesTheFile)
{
    TButtonStyle style = firstStartStyle();
    const std::string styleFile = writeStyle(style);
    struct Case {
        std::vector<std::string> args;
        SaveRequest request;
    };
    std::vector<Case> cases;
    for (int reduction = 0; reduction <= 6; ++reduction) {
        Case c{{"--reduction", std::to_string(reduction)}, {}};
        c.request.colorReduction = reduction;
        cases.push_back(c);
    }
    for (int dither = 0; dither <= 6; ++dither) {
        Case c{{"--dither=" + std::to_string(dither)}, {}};
        c.request.dithering = dither;
        cases.push_back(c);
    }
    for (int bits = 3; bits <= 8; ++bits) {
        Case c{{"--bits", std::to_string(bits)}, {}};
        c.request.reductionBits = bits - 3;
        cases.push_back(c);
    }
    Case lzw{{"--compression", "lzw"}, {}};
    lzw.request.gifCompression = 0;
    Case rle{{"--compression", "rle"}, {}};
    rle.request.gifCompression = 1;
    cases.push_back(lzw);
    cases.push_back(rle);

    std::vector<std::vector<std::string>> commands;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        // The settings default is RLE: choose LZW unless the case says otherwise.
        std::vector<std::string> args = {"--style",  styleFile, "--out",         work.file(std::to_string(i)),
                                         "--format", "gif",     "--compression", "lzw",
                                         "Home"};
        args.insert(args.begin() + 8, cases[i].args.begin(), cases[i].args.end());
        if (cases[i].args[0] != "--compression") cases[i].request.gifCompression = 0;
        commands.push_back(args);
    }
    const std::vector<ProcessResult> results = program.runAll(commands);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ASSERT_EQ(results[i].status, 0) << i << results[i].err;
        EXPECT_EQ(results[i].out, work.file(std::to_string(i)) + "/home.gif\n");
        EXPECT_EQ(readWholeFile(work.file(std::to_string(i)) + "/home.gif"),
                  savedByWindow(style, "Home", cases[i].request, true))
            << i;
    }
}

TEST_F(CliTest, FormatChoosesTheFilesAndCaptionsMayLookLikeOptions)
{
    const std::vector<ProcessResult> results = program.runAll({
        {"--out", work.file("bmp"), "--format", "bmp", "Home"},
        {"--out", work.file("gif"), "--format=gif", "Home"},
        {"--out", work.file("both"), "--format", "both", "--", "--help", "-"},
    });
    for (const ProcessResult& r : results) ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(filesIn(work.file("bmp")), std::vector<std::string>{"home.bmp"});
    EXPECT_EQ(filesIn(work.file("gif")), std::vector<std::string>{"home.gif"});
    EXPECT_EQ(filesIn(work.file("both")),
              (std::vector<std::string>{"--help.bmp", "--help.gif", "-.bmp", "-.gif"}));
}

TEST_F(CliTest, NoOutputTypeChosenWarnsAndWritesNothing)
{
    writeSettings("[Booleans]\nchkSaveBMP=0\nchkSaveGIF=0\n");
    const ProcessResult r = program.run({"--out", outDir(), "Home"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "nimbrel-batch: warning: You should choose at least one file type for saving!\n");
    EXPECT_FALSE(std::filesystem::exists(outDir()));
}

}  // namespace
}  // namespace nimbrel::test
