// The PNG writer read back by libpng: every pixel kept, the indexed or RGB
// choice and its bit depth, and the transparent colour.
#include <gtest/gtest.h>

#include "image/png_writer.h"
#include "support/png_test_support.h"

namespace nimbrel {
namespace {

using png_test::decodeWithLibpng;

// An odd width, so packed rows end in a partly used byte; `colors` distinct
// colours in a pattern that changes along both directions.
Bgr24Image imageWithColors(int colors, int width = 13, int height = 7)
{
    Bgr24Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x * 7 + y * 3) % colors;
            image.setPixel(x, y, makeColor(i & 0xFF, (i >> 8) * 40, 255 - (i & 0xFF)));
        }
    return image;
}

void expectSamePixels(const Bgr24Image& image, const png_test::DecodedPng& png)
{
    ASSERT_EQ(png.width, image.width());
    ASSERT_EQ(png.height, image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(png.color(x, y), image.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(png.alpha(x, y), 255) << x << "," << y;
        }
}

TEST(PngWriter, KeepsEveryPixelIndexedUpTo256ColorsAndRgbBeyond)
{
    struct Case {
        int colors, bitDepth, colorType;
    };
    for (const Case c : {Case{1, 1, 3}, Case{2, 1, 3}, Case{3, 2, 3}, Case{5, 4, 3}, Case{16, 4, 3},
                         Case{17, 8, 3}, Case{256, 8, 3}, Case{257, 8, 2}}) {
        SCOPED_TRACE(c.colors);
        const Bgr24Image image = imageWithColors(c.colors, 37, 11);
        const auto png = decodeWithLibpng(encodePng(image.view()));
        EXPECT_EQ(png.bitDepth, c.bitDepth);
        EXPECT_EQ(png.colorType, c.colorType);
        EXPECT_FALSE(png.hasTransparency);
        expectSamePixels(image, png);
    }
}

TEST(PngWriter, TransparentColorClearsExactlyItsPixels)
{
    for (const int colors : {4, 300}) {  // indexed and RGB
        SCOPED_TRACE(colors);
        const Bgr24Image image = imageWithColors(colors, 29, 9);
        const Color key = image.pixel(5, 3);
        const auto png = decodeWithLibpng(encodePng(image.view(), {key}));
        ASSERT_TRUE(png.hasTransparency);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(png.alpha(x, y), image.pixel(x, y) == key ? 0 : 255) << x << "," << y;
                if (png.alpha(x, y)) {
                    ASSERT_EQ(png.color(x, y), image.pixel(x, y));
                }
            }
    }
}

}  // namespace
}  // namespace nimbrel
