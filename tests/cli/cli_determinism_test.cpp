// Same inputs, same fonts: the same bytes, run after run, for every GIF option.
#include "cli_fixture.h"
#include "image/bmp_writer.h"

namespace nimbrel::test {
namespace {

// A style with many colours to reduce: a gradient behind an anti-aliased caption.
ButtonStyle gradientStyle(const std::string& bitmapFile)
{
    Bgr24Image gradient(37, 29);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, makeColor(x * 7, y * 9, 255 - x * 3));
    saveBmpFile(bitmapFile, gradient.view());
    ButtonStyle style = firstStartStyle();
    style.importBMP = true;
    style.setBitmapEnabled(1, true);
    style.setBitmapFileName(1, bitmapFile);
    style.setBitmapAlign(1, BitmapAlign::TileTop);
    style.fontAntiAlias = 3;
    style.fontStyle = FontStyle::Bold;
    return style;
}

TEST_F(CliTest, EveryGifOptionCombinationGivesTheSameBytesEveryRun)
{
    const ButtonStyle style = gradientStyle(workFile("gradient.bmp"));
    const std::string styleFile = writeStyle(style);
    const std::string caption = "Products & Services";
    // Every combination is made here first. The bits only matter to some
    // reductions: a combination whose file equals that of 8 bits is covered by
    // the run with 8 bits, so a separate program run is spent only on each
    // distinct file. That keeps the test to a few hundred runs, not six hundred.
    std::vector<std::vector<std::string>> commands;
    std::vector<std::vector<std::uint8_t>> expected;
    for (int reduction = 0; reduction <= 6; ++reduction)
        for (int dither = 0; dither <= 6; ++dither)
            for (int compression = 0; compression <= 1; ++compression) {
                std::vector<std::uint8_t> eightBits;
                for (int bits = 8; bits >= 3; --bits) {
                    SaveRequest r;
                    r.colorReduction = reduction;
                    r.dithering = dither;
                    r.gifCompression = compression;
                    r.reductionBits = bits - 3;
                    std::vector<std::uint8_t> bytes = savedByWindow(style, caption, r, true);
                    if (bits == 8) {
                        eightBits = bytes;
                    } else if (bytes == eightBits) {
                        continue;
                    }
                    expected.push_back(std::move(bytes));
                    commands.push_back({"--style", styleFile, "--out",
                                        work.file(std::to_string(commands.size())), "--format", "gif",
                                        "--reduction", std::to_string(reduction), "--dither",
                                        std::to_string(dither), "--compression", compression ? "rle" : "lzw",
                                        "--bits", std::to_string(bits), "-q", caption});
                }
            }
    // The runs spend most of their time waiting for the disk, so more of them overlap.
    const std::vector<ProcessResult> results = program.runAll(commands, 8);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        ASSERT_EQ(results[i].status, 0) << i << results[i].err;
        // The program is another run with the same inputs: it must make the same bytes.
        ASSERT_EQ(readWholeFile(work.file(std::to_string(i)) + "/products_&_services.gif"), expected[i])
            << "run " << i;
    }
    RecordProperty("programRuns", static_cast<int>(commands.size()));
}

TEST_F(CliTest, TwoRunsWriteIdenticalFiles)
{
    const std::string styleFile = writeStyle(gradientStyle(workFile("gradient.bmp")));
    const std::vector<std::string> captions = {"Home", "News & Events", "Contact"};
    const std::string list = writeCaptions(captions, {"home", "news", "contact"});
    const auto results =
        program.runAll({{"--style", styleFile, "--captions", list, "--out", work.file("first")},
                        {"--style", styleFile, "--captions", list, "--out", work.file("second")}});
    ASSERT_EQ(results[0].status, 0) << results[0].err;
    ASSERT_EQ(results[1].status, 0) << results[1].err;
    const std::vector<std::string> files = filesIn(work.file("first"));
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(filesIn(work.file("second")), files);
    for (const std::string& f : files)
        EXPECT_EQ(readWholeFile(work.file("first/" + f)), readWholeFile(work.file("second/" + f))) << f;
}

}  // namespace
}  // namespace nimbrel::test
