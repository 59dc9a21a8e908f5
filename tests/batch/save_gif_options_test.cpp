// The GIF options of the request; whatever the combination,
// the file must decode (with a decoder we did not write) to the button, as far
// as the chosen palette can hold its colours.
#include <gtest/gtest.h>

#include <set>

#include "base/error.h"
#include "base/file_io.h"
#include "batch/save_button.h"
#include "batch/scripted_save_ui.h"
#include "image/gif_choices.h"
#include "support/gif_test_support.h"
#include "support/temp_folder.h"

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
    return readWholeFile(saveFileName(request, ImageFormat::Gif));
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

SaveRequest gifOnly(const TempFolder& tmp, ColorReduction reduction, DitherMethod dither,
                    GifCompression compression, int bits)
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
    for (const auto& reduction : kColorReductionChoices) {
        for (const auto& dither : kDitherChoices) {
            for (const auto& compression : kCompressionChoices) {
                for (const auto& bits : kReductionBitsChoices) {
                    const std::string what = std::string(reduction.name) + " " + std::string(dither.name) +
                                             " " + std::string(compression.name) + " bits " +
                                             std::string(bits.name);
                    const SaveRequest r =
                        gifOnly(tmp, reduction.value, dither.value, compression.value, bits.value);
                    expectDecodesTo(saveGif(r, bw), bw, what);
                    const bool holdsTheCube = reduction.value == ColorReduction::Web216 ||
                                              reduction.value == ColorReduction::Optimal ||
                                              reduction.value == ColorReduction::OptimalWithSystemColors;
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
    constexpr auto optimal = ColorReduction::Optimal;
    constexpr auto nearest = DitherMethod::Nearest;
    constexpr auto lzw = GifCompression::Lzw;
    EXPECT_LE(coloursUsed(gif_test::decodeWithGiflib(saveGif(gifOnly(tmp, optimal, nearest, lzw, 3), many))),
              8u);
    EXPECT_GT(coloursUsed(gif_test::decodeWithGiflib(saveGif(gifOnly(tmp, optimal, nearest, lzw, 8), many))),
              8u);
    // "Optimal Win" ignores the bits.
    constexpr auto optimalWin = ColorReduction::OptimalWithSystemColors;
    const auto floyd = DitherMethod::FloydSteinberg;
    const auto withThreeBits = saveGif(gifOnly(tmp, optimalWin, floyd, lzw, 3), button);
    for (int bits = 4; bits <= kMaxReductionBits; ++bits)
        EXPECT_EQ(saveGif(gifOnly(tmp, optimalWin, floyd, lzw, bits), button), withThreeBits) << bits;
}

}  // namespace
}  // namespace nimbrel
