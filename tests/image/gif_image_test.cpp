// The GIF image object: file layout, options, errors, and a round trip of
// every reduction, dithering and compression through giflib.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "image/color_reduction.h"
#include "base/error.h"
#include "base/file_io.h"
#include "image/gif_image.h"
#include "support/gif_test_support.h"
#include "support/temp_folder.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

using namespace gif_test;
using test::errorOf;

TEST(GifImage, RefusesReductionBitsOutsideThreeToEight)
{
    GifImage gif;
    gif.setReductionBits(3);
    EXPECT_EQ(errorOf([&] { gif.setReductionBits(2); }), "Invalid Bits Per Pixel value");
    EXPECT_EQ(errorOf([&] { gif.setReductionBits(9); }), "Invalid Bits Per Pixel value");
    EXPECT_EQ(gif.reductionBits(), 3);
}

TEST(GifImage, ColorMapHoldsAtMost256Entries)
{
    GifColorMap map;
    EXPECT_EQ(map.bitsPerPixel(), 0);
    map.add({1, 2, 3});
    EXPECT_EQ(map.bitsPerPixel(), 1);
    for (int i = 1; i < 5; ++i) map.add({});
    EXPECT_EQ(map.bitsPerPixel(), 3);
    while (map.count() < 256) map.add({});
    EXPECT_EQ(map.bitsPerPixel(), 8);
    EXPECT_EQ(errorOf([&] { map.add({}); }), "Color table overflow");
    EXPECT_EQ(map.count(), 256);
}

TEST(GifImage, WritesTheTwoPixelFileByteForByte)
{
    Bgr24Image image = flatImage(2, 1, makeColor(0, 0, 0));
    GifImage gif;
    gif.assign(image.view());
    const auto bytes = gif.saveToBytes();
    ASSERT_EQ(bytes.size(), 800u);
    const std::vector<std::uint8_t> head = {'G', 'I',  'F', '8', '7', 'a', 2, 0, 1, 0, 0x77, 0,
                                            0,   0x2C, 0,   0,   0,   0,   2, 0, 1, 0, 0x87};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 23), head);
    // The colour table: the 216 web colours in order, then black.
    EXPECT_EQ(bytes[23 + 3 * 215], 255);
    EXPECT_EQ(bytes[23 + 3 * 1 + 2], 51);
    EXPECT_EQ(bytes[23 + 3 * 216], 0);
    const std::vector<std::uint8_t> tail = {8, 5, 0, 1, 0, 8, 8, 0, 0x3B};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 791, bytes.end()), tail);
}

TEST(GifImage, EmptyBitmapGivesALogicalScreenWithoutImage)
{
    GifImage gif;
    gif.assign(Bgr24View{});
    const std::vector<std::uint8_t> expected = {'G', 'I', 'F', '8', '7', 'a', 0, 0, 0, 0, 0x77, 0, 0, 0x3B};
    EXPECT_EQ(gif.saveToBytes(), expected);
    // assign replaces whatever was there before.
    Bgr24Image image = flatImage(3, 3, makeColor(10, 20, 30));
    gif.assign(image.view());
    gif.assign(Bgr24View{});
    EXPECT_EQ(gif.saveToBytes(), expected);
}

TEST(GifImage, RefusesSidesAbove65535WithoutWritingAnything)
{
    const std::vector<std::uint8_t> pixels(70000 * 3, 0);
    const Bgr24View wide{pixels.data(), 70000, 1, 70000 * 3};
    const Bgr24View tall{pixels.data(), 1, 70000, 3};
    GifImage gif;
    const std::string message = errorOf([&] { gif.assign(wide); });
    EXPECT_NE(message.find("65535"), std::string::npos) << message;
    EXPECT_NE(errorOf([&] { gif.assign(tall); }), "no error");

    test::TempFolder folder;
    const std::string name = folder.file("wide.gif");
    EXPECT_NE(errorOf([&] { gif.saveToFile(name); }), "no error");
    EXPECT_FALSE(std::filesystem::exists(name));

    // A 65535-pixel-wide image is still written, with the exact width.
    const Bgr24View widest{pixels.data(), 65535, 1, 65535 * 3};
    gif.assign(widest);
    gif.saveToFile(name);
    const auto bytes = readWholeFile(name);
    EXPECT_EQ(bytes[6], 0xFF);
    EXPECT_EQ(bytes[7], 0xFF);
    EXPECT_EQ(decodeWithGiflib(bytes).width, 65535);
}

struct NamedImage {
    std::string name;
    Bgr24Image image;
};

std::vector<NamedImage> roundTripImages()
{
    return {{"flat", flatImage(23, 11, makeColor(192, 192, 192))},
            {"gradient", gradientImage(64, 24)},
            {"text", textLikeImage(120, 32)},
            {"noise", noiseImage(160, 120)},
            {"single", flatImage(1, 1, makeColor(12, 200, 99))},
            {"column", gradientImage(1, 37)},
            {"row", noiseImage(300, 1)}};
}

// Whatever the options, giflib must read back exactly our indexes and our
// colour table, and the screen and image must have the bitmap's size.
TEST(GifImage, EveryOptionRoundTripsThroughGiflib)
{
    const auto images = roundTripImages();
    for (int reduction = 0; reduction < 7; ++reduction)
        for (int dither = 0; dither < 7; ++dither)
            for (const NamedImage& source : images) {
                const IndexedImage indexed =
                    reduceColors(source.image.view(), ColorReduction(reduction), DitherMethod(dither), 8);
                std::vector<Rgb> table(indexed.colorTable.begin(), indexed.colorTable.end());
                for (int compression = 0; compression < 2; ++compression) {
                    SCOPED_TRACE(source.name + " reduction " + std::to_string(reduction) + " dither " +
                                 std::to_string(dither) + " compression " + std::to_string(compression));
                    GifImage gif;
                    gif.setColorReduction(ColorReduction(reduction));
                    gif.setDitherMethod(DitherMethod(dither));
                    gif.setCompression(GifCompression(compression));
                    gif.assign(source.image.view());
                    const auto bytes = gif.saveToBytes();
                    ASSERT_EQ(bytes[10], 0x77);
                    ASSERT_EQ(bytes[22], 0x87);
                    const DecodedGif decoded = decodeWithGiflib(bytes);
                    ASSERT_EQ(decoded.imageCount, 1);
                    ASSERT_EQ(decoded.screenWidth, source.image.width());
                    ASSERT_EQ(decoded.screenHeight, source.image.height());
                    ASSERT_EQ(decoded.pixels, indexed.pixels);
                    ASSERT_EQ(decoded.colors, table);
                }
            }
}

TEST(GifImage, SaveToFileWritesTheStreamAndKeepsTheOldFileOnFailure)
{
    test::TempFolder folder;
    const std::string name = folder.file("button.gif");
    Bgr24Image image = textLikeImage(120, 32);
    GifImage gif;
    gif.assign(image.view());
    gif.saveToFile(name);
    EXPECT_EQ(readWholeFile(name), gif.saveToBytes());

    GifImage empty;
    EXPECT_EQ(errorOf([&] { empty.saveToFile(name); }), "Unsupported GIF version");
    EXPECT_EQ(readWholeFile(name), gif.saveToBytes());
}

}  // namespace
}  // namespace nimbrel

namespace nimbrel {
namespace {

using namespace gif_test;

// Two web colours side by side: both survive the Web 216 palette exactly.
Bgr24Image keyedImage()
{
    Bgr24Image image = flatImage(6, 4, makeColor(0, 102, 204));
    for (int y = 0; y < 4; ++y) image.setPixel(y, y, makeColor(255, 0, 255));
    return image;
}

TEST(GifTransparency, NamesTheKeyIndexOnlyWhenTheColorSurvivesExactly)
{
    const Bgr24Image image = keyedImage();
    GifImage plain;
    plain.assign(image.view());
    GifImage keyed;
    keyed.setTransparentColor(makeColor(255, 0, 255));
    keyed.assign(image.view());
    EXPECT_EQ(keyed.transparencyWarning(), "");
    const auto bytes = keyed.saveToBytes();
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
    const DecodedGif decoded = decodeWithGiflib(bytes);
    ASSERT_GE(decoded.transparentIndex, 0);
    EXPECT_EQ(decoded.colors.at(decoded.transparentIndex), (Rgb{255, 0, 255}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(decoded.pixels[y * 6 + x] == decoded.transparentIndex, x == y) << x << "," << y;
    EXPECT_EQ(decodeWithGiflib(plain.saveToBytes()).pixels, decoded.pixels);

    // A colour not in the image: the file of old, byte for byte.
    GifImage absent;
    absent.setTransparentColor(makeColor(1, 2, 3));
    absent.assign(image.view());
    EXPECT_EQ(absent.saveToBytes(), plain.saveToBytes());

    // Black and white cannot hold the key colour: no transparency, and a warning.
    GifImage lost;
    lost.setColorReduction(ColorReduction::BlackAndWhite);
    lost.setTransparentColor(makeColor(255, 0, 255));
    lost.assign(image.view());
    EXPECT_NE(lost.transparencyWarning().find("#FF00FF"), std::string::npos);
    EXPECT_EQ(decodeWithGiflib(lost.saveToBytes()).transparentIndex, -1);
}

}  // namespace
}  // namespace nimbrel
