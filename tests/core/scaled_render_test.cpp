// The high-density copies: k times the 1x button in every length, bitmaps and
// borders as repeated pixels, the caption drawn afresh at k times its size.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/renderer.h"
#include "image/bmp_writer.h"
#include "settings/style_from_settings.h"
#include "support/gui_app.h"
#include "support/temp_folder.h"

namespace nimbrel {
namespace {

class ScaledRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        style = firstStartStyle();
        style.fontName = test::kTestFace;
        style.fontSize = 12;
        style.borderLeft = 1;
        style.borderRight = 2;
        style.borderTop = 3;
        style.borderBottom = 4;
        style.colorBorderLeft = makeColor(255, 0, 0);
        style.colorBorderRight = makeColor(0, 255, 0);
        style.colorBorderTop = makeColor(0, 0, 255);
        style.colorBorderBottom = makeColor(255, 255, 0);
        style.minorX = 3;
        style.minorY = -2;
    }

    RasterBitmap render(const std::string& caption, int scale)
    {
        RasterFont previewFont;
        RasterBitmap button;
        renderButton(style, caption, previewFont, button, scale);
        return button;
    }

    // Imported bitmaps whose every pixel differs from its neighbours.
    void importMarkerBitmaps()
    {
        Bgr24Image image(5, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) image.setPixel(x, y, makeColor(10 + 40 * x, 20 + 60 * y, 7));
        saveBmpFile(folder.file("marks.bmp"), image.view());
        style.importBMP = true;
        for (int i : {1, 2}) {
            style.setBitmapFileName(i, folder.file("marks.bmp"));
            style.setBitmapEnabled(i, true);
        }
        style.setBitmapAlign(1, BitmapAlign::TopRight);
        style.setBitmapAlign(2, BitmapAlign::TileBottom);
    }

    ButtonStyle style;
    test::TempFolder folder;
};

TEST_F(ScaledRenderTest, BordersBitmapsAndBackgroundAreTheOneTimesPixelsRepeated)
{
    importMarkerBitmaps();
    style.fontAntiAlias = 99;  // no caption, but its width still sizes the button
    const RasterBitmap base = render("Products", 1);
    for (const int k : {2, 3}) {
        SCOPED_TRACE(k);
        const RasterBitmap scaled = render("Products", k);
        ASSERT_EQ(scaled.width(), k * base.width());
        ASSERT_EQ(scaled.height(), k * base.height());
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                ASSERT_EQ(scaled.pixel(x, y), base.pixel(x / k, y / k)) << x << "," << y;
    }
}

TEST_F(ScaledRenderTest, CaptionIsDrawnAfreshAtEachScale)
{
    for (const int antiAlias : {0, 2}) {
        style.fontAntiAlias = antiAlias;
        const RasterBitmap base = render("Home", 1);
        const auto inkBox = [&](const RasterBitmap& b) {
            int x0 = b.width(), x1 = -1, y0 = b.height(), y1 = -1, blends = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x) {
                    const Color c = b.pixel(x, y);
                    if (c == style.colorBack || c == style.colorBorderLeft || c == style.colorBorderRight ||
                        c == style.colorBorderTop || c == style.colorBorderBottom)
                        continue;
                    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                    blends += c != style.fontColor;
                }
            return std::array<int, 5>{x0, x1, y0, y1, blends};
        };
        const auto one = inkBox(base);
        for (const int k : {2, 3}) {
            SCOPED_TRACE(std::to_string(antiAlias) + " at " + std::to_string(k));
            const RasterBitmap scaled = render("Home", k);
            const auto box = inkBox(scaled);
            // Placed by the 1x rule: the ink lies where k times the 1x ink lies, give or take a glyph edge.
            EXPECT_NEAR(box[0] + box[1], k * (one[0] + one[1]), 2 * k + 2);
            EXPECT_NEAR(box[2] + box[3], k * (one[2] + one[3]), 2 * k + 2);
            // Not enlarged pixels: some k x k block of the caption is not one colour.
            bool edgeInsideBlock = false;
            for (int y = box[2]; y <= box[3] && !edgeInsideBlock; ++y)
                for (int x = box[0]; x <= box[1] && !edgeInsideBlock; ++x)
                    edgeInsideBlock = scaled.pixel(x, y) != scaled.pixel(x - x % k, y - y % k);
            EXPECT_TRUE(edgeInsideBlock);
            EXPECT_EQ(box[4] > 0, antiAlias > 0);  // smoothed edges only when asked for
        }
    }
}

}  // namespace
}  // namespace nimbrel
