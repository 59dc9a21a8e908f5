// Same inputs, same fonts: the same bytes, run after run, for every GIF option.
#include "cli_fixture.h"
#include "output/bmp_writer.h"

namespace nimbrel::test {
namespace {

// A style with many colours to reduce: a gradient behind an anti-aliased caption.
TButtonStyle gradientStyle(const std::string& bitmapFile)
{
    Bgr24Image gradient(37, 29);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, makeColor(x * 7, y * 9, 255 - x * 3));
    saveBmpFile(bitmapFile, gradient.view());
    TButtonStyle style = firstStartStyle();
    style.importBMP = true;
    style.setBMPEnabled(1, true);
    style.setBMPFilename(1, bitmapFile);
    style.setBMPAlign(1, ba_TileTop);
    style.fontAntiAlias = 3;
    style.fontStyle = fs_Bold;
    return style;
}

TEST_F(CliTest, EveryGifOptionCombinationGivesTheSameBytesEveryRun)
{
    const TButtonStyle style = gradientStyle(workFile("gradient.bmp"));
    const std::string styleFile = writeStyle(style);
    std::vector<std::vector<std::string>> commands;
    std::vector<SaveRequest> requests;
    for (int reduction = 0; reduction <= 6; ++reduction)
        for (int dither = 0; dither <= 6; ++dither)
            for (int compression = 0; compression <= 1; ++compression)
                for (int bits = 3; bits <= 8; ++bits) {
                    SaveRequest r;
                    r.colorReduction = reduction;
                    r.dithering = dither;
                    r.gifCompression = compression;
                    r.reductionBits = bits - 3;
                    requests.push_back(r);
                    commands.push_back({"--style", styleFile, "--out",
                                        work.file(std::to_string(commands.size())), "--format", "gif",
                                        "--reduction", std::to_string(reduction), "--dither",
                                        std::to_string(dither), "--compression", compression ? "rle" : "lzw",
                                        "--bits", std::to_string(bits), "-q", "Products & Services"});
                }
    // The runs spend most of their time waiting for the disk, so more of them overlap.
    const std::vector<ProcessResult> results = program.runAll(commands, 8);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        ASSERT_EQ(results[i].status, 0) << i << results[i].err;
        // This process is another run with the same inputs: it must make the same bytes.
        ASSERT_EQ(readWholeFile(work.file(std::to_string(i)) + "/products_&_services.gif"),
                  savedByWindow(style, "Products & Services", requests[i], true))
            << "combination " << i;
    }
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
