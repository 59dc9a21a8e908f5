// The GIF options come from the four radio groups; whatever the combination,
// the file must decode (with a decoder we did not write) to the button, as far
// as the chosen palette can hold its colours.
#include <gtest/gtest.h>

#include <set>

#include "batch/save_button.h"
#include "batch/scripted_save_ui.h"
#include "support/temp_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "support/gif_test_support.h"

namespace nimbrel {
namespace {

using test::ScriptedSaveUi;
using test::TempFolder;

// Colours every palette holds: black and white.
Bgr24Image blackAndWhiteButton()
{
    Bgr24Image image(23, 11);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x * 7 + y * 3) % 5 < 2 ? 0 : 0x00FFFFFF);
    return image;
}

// Eight colours of the web cube: what an optimal palette of 3 bits or more
// holds exactly, and the 216-colour palette too.
Bgr24Image eightColourButton()
{
    const Color colours[] = {0x00000000, 0x00FFFFFF, 0x00CC6600, 0x00336699,
                             0x0000FF00, 0x009933CC, 0x00FFCC33, 0x00006633};
    Bgr24Image image(31, 13);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colours[(x / 4 + y / 3) % 8]);
    return image;
}

std::vector<std::uint8_t> saveGif(const SaveRequest& request, const Bgr24Image& button)
{
    ScriptedSaveUi ui;
    saveButton(request, button.view(), ui);
    return readWholeFile(saveFileNames(request).gif);
}

void expectDecodesTo(const std::vector<std::uint8_t>& bytes, const Bgr24Image& button,
                     const std::string& what)
{
    const gif_test::DecodedGif gif = gif_test::decodeWithGiflib(bytes);
    ASSERT_EQ(gif.width, button.width()) << what;
    ASSERT_EQ(gif.height, button.height()) << what;
    for (int y = 0; y < button.height(); ++y) {
        for (int x = 0; x < button.width(); ++x) {
            const std::uint8_t index = gif.pixels[y * gif.width + x];
            ASSERT_LT(index, gif.colors.size()) << what;
            const Rgb c = gif.colors[index];
            ASSERT_EQ(makeColor(c.r, c.g, c.b), button.pixel(x, y)) << what << " at " << x << "," << y;
        }
    }
}

SaveRequest gifOnly(const TempFolder& tmp, int reduction, int dither, int compression, int bits)
{
    SaveRequest r;
    r.outputDir = tmp.path().string();
    r.fileName = "b";
    r.saveBmp = false;
    r.colorReduction = reduction;
    r.dithering = dither;
    r.gifCompression = compression;
    r.reductionBits = bits;
    return r;
}

TEST(SaveGifOptions, EveryCombinationDecodesToTheButton)
{
    TempFolder tmp;
    const Bgr24Image bw = blackAndWhiteButton();
    const Bgr24Image colours = eightColourButton();
    for (int reduction = 0; reduction < kColorReductionItems; ++reduction) {
        for (int dither = 0; dither < kDitheringItems; ++dither) {
            for (int compression = 0; compression < kGifCompressionItems; ++compression) {
                for (int bits = 0; bits < kReductionBitsItems; ++bits) {
                    const std::string what = "reduction " + std::to_string(reduction) + " dither " +
                                             std::to_string(dither) + " compression " +
                                             std::to_string(compression) + " bits " + std::to_string(bits);
                    const SaveRequest r = gifOnly(tmp, reduction, dither, compression, bits);
                    expectDecodesTo(saveGif(r, bw), bw, what);
                    const bool holdsTheCube = reduction == 4 || reduction == 5 || reduction == 6;
                    if (holdsTheCube) expectDecodesTo(saveGif(r, colours), colours, what + " (colours)");
                }
            }
        }
    }
}

TEST(SaveGifOptions, OptionsReachTheFile)
{
    TempFolder tmp;
    const Bgr24Image button = eightColourButton();
    auto coloursUsed = [](const gif_test::DecodedGif& gif) {
        std::set<std::uint32_t> used;
        for (std::uint8_t i : gif.pixels) used.insert(i);
        return used.size();
    };
    // Optimal with 3 bits: at most 8 colours in the image.
    const Bgr24Image many = [] {
        Bgr24Image image(64, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 64; ++x) image.setPixel(x, y, makeColor(x * 4, y * 16, 255 - x * 2));
        return image;
    }();
    EXPECT_LE(coloursUsed(gif_test::decodeWithGiflib(saveGif(gifOnly(tmp, 5, 0, 0, 0), many))), 8u);
    EXPECT_GT(coloursUsed(gif_test::decodeWithGiflib(saveGif(gifOnly(tmp, 5, 0, 0, 5), many))), 8u);
    // "Optimal Win" ignores the bits group.
    const auto optimalWin = saveGif(gifOnly(tmp, 6, 1, 0, 0), button);
    for (int bits = 1; bits < kReductionBitsItems; ++bits)
        EXPECT_EQ(saveGif(gifOnly(tmp, 6, 1, 0, bits), button), optimalWin) << bits;
}

TEST(SaveGifOptions, UnselectedGroupsKeepTheGifObjectsStartValues)
{
    TempFolder tmp;
    const Bgr24Image button = eightColourButton();
    // Start values: web 216, nearest colour, LZW.
    EXPECT_EQ(saveGif(gifOnly(tmp, -1, -1, -1, 5), button), saveGif(gifOnly(tmp, 4, 0, 0, 5), button));
    // Indexes past the last item behave as the last item, as the group shows them.
    EXPECT_EQ(saveGif(gifOnly(tmp, 9, 8, 2, 6), button), saveGif(gifOnly(tmp, 6, 6, 1, 5), button));
}

}  // namespace
}  // namespace nimbrel
