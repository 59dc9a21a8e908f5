#include "core/raster_surface.h"

#include <gtest/gtest.h>

#include "support/gui_app.h"
#include "base/error.h"

namespace nimbrel {
namespace {

constexpr Color kWhite = 0x00FFFFFF, kBlack = 0, kRed = 0x000000FF;

class RasterTest : public ::testing::Test {
protected:
    void SetUp() override { test::ensureGuiApp(); }
};

TEST_F(RasterTest, NewAndGrownPixelsAreWhiteAndKeptPixelsStay)
{
    RasterBitmap bmp(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(bmp.pixel(x, y), kWhite);
    bmp.setPixel(1, 1, kRed);
    bmp.setSize(5, 4);
    EXPECT_EQ(bmp.pixel(1, 1), kRed);
    EXPECT_EQ(bmp.pixel(4, 3), kWhite);
    bmp.setSize(0, 4);
    EXPECT_TRUE(bmp.empty());
}

TEST_F(RasterTest, PixelAccessOutsideIsWhiteAndIgnored)
{
    RasterBitmap bmp(2, 2);
    bmp.setPixel(-1, 0, kBlack);
    bmp.setPixel(2, 1, kBlack);
    EXPECT_EQ(bmp.pixel(-1, 0), kWhite);
    EXPECT_EQ(bmp.pixel(0, 5), kWhite);
    bmp.setPixel(0, 0, 0x00123456);
    EXPECT_EQ(bmp.pixel(0, 0), 0x00123456u);
    // Bytes in memory are blue, green, red.
    const auto* p = bmp.view().row(0);
    EXPECT_EQ(p[0], 0x12);
    EXPECT_EQ(p[1], 0x34);
    EXPECT_EQ(p[2], 0x56);
}

TEST_F(RasterTest, RectangleOutlinesWithPenAndFillsWithBrush)
{
    RasterBitmap bmp(6, 6);
    RasterSurface s(bmp);
    s.pen = kBlack;
    s.brush = kRed;
    s.rectangle(1, 1, 5, 4);
    EXPECT_EQ(bmp.pixel(1, 1), kBlack);
    EXPECT_EQ(bmp.pixel(4, 3), kBlack);
    EXPECT_EQ(bmp.pixel(2, 2), kRed);
    EXPECT_EQ(bmp.pixel(3, 2), kRed);
    EXPECT_EQ(bmp.pixel(5, 1), kWhite);
    EXPECT_EQ(bmp.pixel(1, 4), kWhite);
}

TEST_F(RasterTest, TransparentTextKeepsTheBackgroundOpaqueTextFillsTheCell)
{
    RasterFont font{test::kTestFace, 20, false, false, false, false, kBlack};
    const TextExtent cell = measureText(font, "Hi");
    ASSERT_GT(cell.width, 0);
    ASSERT_GT(cell.height, 0);

    RasterBitmap red(cell.width, cell.height);
    RasterSurface s(red);
    s.fillRect(0, 0, cell.width, cell.height, kRed);
    s.font = font;
    s.transparentText = true;
    s.drawText(0, 0, "Hi");
    int redLeft = 0, black = 0, other = 0;
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) {
            const Color c = red.pixel(x, y);
            (c == kRed ? redLeft : c == kBlack ? black : other)++;
        }
    EXPECT_GT(redLeft, 0);
    EXPECT_GT(black, 0);
    EXPECT_EQ(other, 0) << "direct text must not smooth its edges";

    s.transparentText = false;
    s.brush = kWhite;
    s.drawText(0, 0, "Hi");
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) EXPECT_NE(red.pixel(x, y), kRed);
}

TEST_F(RasterTest, TextMetricsFollowPointsAtNinetySixDpi)
{
    EXPECT_EQ(pointsToPixels(8), 11);
    EXPECT_EQ(pointsToPixels(12), 16);
    EXPECT_EQ(pointsToPixels(-12), 16);
    EXPECT_THROW(pointsToPixels(2000000000), Error);
    RasterFont small{test::kTestFace, 10, false, false, false, false, kBlack};
    RasterFont large = small;
    large.sizePt = 20;
    EXPECT_GT(measureText(large, "Home").width, measureText(small, "Home").width);
    EXPECT_EQ(measureText(small, "").width, 0);
    EXPECT_GT(measureText(small, "").height, 0);
}

TEST_F(RasterTest, CopyIsClippedAndStretchMakesSolidBlocks)
{
    RasterBitmap src(2, 1);
    src.setPixel(0, 0, kBlack);
    RasterBitmap dst(6, 3);
    RasterSurface s(dst);
    s.stretch(src, 0, 0, 6, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.pixel(x, y), x < 3 ? kBlack : kWhite) << x << "," << y;

    RasterBitmap canvas(3, 3);
    RasterSurface c(canvas);
    c.copy(src, -1, 2);  // only the white half lands, at (0, 2)
    c.copy(src, 2, 0);   // the black pixel lands at (2, 0), the white one is clipped
    EXPECT_EQ(canvas.pixel(0, 2), kWhite);
    EXPECT_EQ(canvas.pixel(2, 0), kBlack);
}

}  // namespace
}  // namespace nimbrel
