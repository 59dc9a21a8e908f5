// The high-density copies: k times the 1x button in every length, bitmaps and
// borders as repeated pixels, the caption drawn afresh at k times its size.
#include <gtest/gtest.h>

#include <tuple>

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
        // Borders 1 (left) to 4 (bottom), each its own colour.
        std::tie(style.borderLeft, style.borderRight, style.borderTop, style.borderBottom) = std::tuple(1, 2, 3, 4);
        std::tie(style.colorBorderLeft, style.colorBorderRight, style.colorBorderTop, style.colorBorderBottom) =
            std::tuple(0x0000FFu, 0x00FF00u, 0xFF0000u, 0x00FFFFu);
        style.captionOffsetX = 3;
        style.captionOffsetY = -2;
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
        style.backgroundBitmapsOn = true;
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
    style.antiAliasLevel = 99;  // no caption, but its width still sizes the button
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

// Glyph edges fall inside k x k blocks, and smoothing appears only when asked for.
TEST_F(ScaledRenderTest, CaptionIsDrawnAfreshAtEachScale)
{
    for (const int antiAlias : {0, 2}) {
        style.antiAliasLevel = antiAlias;
        const RasterBitmap scaled = render("Home", 2);
        bool edgeInsideBlock = false, blended = false;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x) {
                const Color c = scaled.pixel(x, y);
                edgeInsideBlock = edgeInsideBlock || c != scaled.pixel(x - x % 2, y - y % 2);
                const bool insideBorders = x >= 2 && y >= 6 && x < scaled.width() - 4 && y < scaled.height() - 8;
                blended = blended || (insideBorders && c != style.fontColor && c != style.faceColor);
            }
        EXPECT_TRUE(edgeInsideBlock) << antiAlias;
        EXPECT_EQ(blended, antiAlias > 0);
    }
}

}  // namespace
}  // namespace nimbrel
