// The command line of nimbrel-batch: every option, its good values, its bad ones.
#include "base/version.h"
#include "cli_fixture.h"
#include "image/gif_choices.h"

namespace nimbrel::test {
namespace {

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    ProcessResult r = program.run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("nimbrel-batch ") + kVersionName + "\n");
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
        {"--format", "bmp,", "x"},
        {"--format", "png,tif", "x"},
        {"--scale", "1,4", "x"},
        {"--scale", "", "x"},
        {"--transparent", "FF00F", "x"},
        {"--transparent", "#GG0000", "x"},
        {"--format=BMP", "x"},
        {"--reduction", "7", "x"},
        {"--reduction", "-1", "x"},
        {"--dither", "7", "x"},
        {"--dither", "one", "x"},
        {"--dither", "Stucki", "x"},
        {"--reduction", "web", "x"},
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

TEST_F(CliTest, NamedGifOptionsGiveTheSameBytesAsTheirNumbers)
{
    auto namesOf = [](const auto& choices) {
        std::vector<std::string> names;
        for (const auto& choice : choices) names.emplace_back(choice.name);
        return names;
    };
    const std::vector<std::pair<std::string, std::vector<std::string>>> names = {
        {"--reduction", namesOf(kColorReductionChoices)},
        {"--dither", namesOf(kDitherChoices)},
    };
    std::vector<std::vector<std::string>> commands;
    for (const auto& [option, values] : names) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            // Reduction 4 dithers visibly, so every dithering method shows in the bytes.
            const std::string other = option == "--dither" ? "--reduction=4" : "--dither=1";
            for (const std::string& value : {values[i], std::to_string(i)})
                commands.push_back({"--out", work.file(option + value), "--format", "gif", other, option, value,
                                    "Colourful"});
        }
    }
    const std::vector<ProcessResult> results = program.runAll(commands);
    for (std::size_t c = 0; c < commands.size(); c += 2) {
        ASSERT_EQ(results[c].status, 0) << results[c].err;
        const std::string named = commands[c][1], numbered = commands[c + 1][1];
        EXPECT_EQ(readWholeFile(named + "/colourful.gif"), readWholeFile(numbered + "/colourful.gif")) << named;
    }
}

// The manual page and the README are written by hand: they must name every
// choice of the GIF options as the command line takes it, with its number.
TEST(GifChoiceDocs, ManualPageAndReadmeNameTheChoicesOfTheTable)
{
    auto text = [](const std::string& file) {
        const std::vector<std::uint8_t> bytes = readWholeFile(std::string(NIMBREL_SOURCE_DIR) + "/" + file);
        std::string flat(bytes.begin(), bytes.end());
        std::replace(flat.begin(), flat.end(), '\n', ' ');
        return flat;
    };
    const std::string manual = text("dist/nimbrel-batch.1.in");
    const std::string readme = text("README.md");
    auto expectNumberedNames = [&](const auto& choices) {
        std::string inReadme;
        for (std::size_t i = 0; i < std::size(choices); ++i) {
            const std::string name(choices[i].name);
            const std::string inManual = "\\fB" + name + "\\fR (" + std::to_string(i) + ")";
            EXPECT_NE(manual.find(inManual), std::string::npos) << inManual;
            inReadme += (i ? ", `" : "`") + name + "`";
        }
        EXPECT_NE(readme.find(inReadme), std::string::npos) << inReadme;
    };
    expectNumberedNames(kColorReductionChoices);
    expectNumberedNames(kDitherChoices);
    std::string compression;
    for (const auto& choice : kCompressionChoices) {
        compression += (compression.empty() ? "" : "|") + std::string(choice.name);
        EXPECT_NE(readme.find("`" + std::string(choice.name) + "`"), std::string::npos) << choice.name;
    }
    EXPECT_NE(manual.find("compression \" " + compression + "\""), std::string::npos) << compression;
    const std::string bits = std::string(kReductionBitsChoices[0].name) + ".." +
                             std::string(std::end(kReductionBitsChoices)[-1].name);
    EXPECT_NE(manual.find("bits \" " + bits + "\""), std::string::npos) << bits;
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
