#include "core/renderer.h"

#include <gtest/gtest.h>

#include <QPalette>

#include <cstdint>
#include <fstream>
#include <set>
#include <utility>

#include "core/anti_alias.h"
#include "settings/style_from_settings.h"
#include "support/gui_app.h"
#include "image/bmp_writer.h"
#include "base/error.h"
#include "support/temp_folder.h"

namespace nimbrel {
namespace {

constexpr Color kBack = 0x00C08000, kBorder = 0x00804000, kInk = 0x00FFFFFF;

using Points = std::set<std::pair<int, int>>;

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        style = firstStartStyle();
        style.fontName = test::kTestFace;
        style.fontSize = 12;
    }

    RasterBitmap render(const std::string& caption)
    {
        RasterBitmap button;
        renderButton(style, caption, previewFont, button);
        return button;
    }

    static Points pixelsOf(const RasterBitmap& bmp, Color c)
    {
        Points points;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                if (bmp.pixel(x, y) == c) points.insert({x, y});
        return points;
    }

    static Points shifted(const Points& points, int dx)
    {
        Points out;
        for (auto [x, y] : points) out.insert({x + dx, y});
        return out;
    }

    // A bitmap whose every pixel tells where it came from.
    std::string writeBitmap(const std::string& name, int w, int h)
    {
        Bgr24Image image(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.setPixel(x, y, marker(x, y));
        const std::string path = folder.file(name);
        saveBmpFile(path, image.view());
        return path;
    }
    static Color marker(int x, int y) { return makeColor(10 + x, 100 + y, 7); }

    // No caption and no borders: only background and bitmaps remain.
    void plainFixed(int w, int h)
    {
        style.fixedWidth = style.fixedHeight = true;
        style.width = w;
        style.height = h;
        style.antiAliasLevel = 99;
        style.borderLeft = style.borderRight = style.borderTop = style.borderBottom = 0;
        style.backgroundBitmapsOn = true;
    }

    ButtonStyle style;
    RasterFont previewFont;
    test::TempFolder folder;
};

TEST_F(RendererTest, FirstStartStyleGrowsWithTheCaptionAndIsFramed)
{
    const TextExtent text = measureText(RasterFont{test::kTestFace, 12}, "Home");
    const RasterBitmap button = render("Home");
    ASSERT_EQ(button.width(), 2 * 16 + text.width);
    ASSERT_EQ(button.height(), 32);
    for (int x = 0; x < button.width(); ++x) {
        EXPECT_EQ(button.pixel(x, 0), kBorder);
        EXPECT_EQ(button.pixel(x, 31), kBorder);
    }
    for (int y = 0; y < 32; ++y) {
        EXPECT_EQ(button.pixel(0, y), kBorder);
        EXPECT_EQ(button.pixel(button.width() - 1, y), kBorder);
    }
    EXPECT_EQ(button.pixel(2, 2), kBack);
    const Points ink = pixelsOf(button, kInk);
    ASSERT_FALSE(ink.empty());
    for (auto [x, y] : ink) {
        EXPECT_GE(x, 16);
        EXPECT_LT(x, 16 + text.width);
    }
    // The measuring surface took the caption font.
    EXPECT_EQ(previewFont.face, test::kTestFace);
    EXPECT_EQ(previewFont.sizePt, 12);
}

TEST_F(RendererTest, FixedAndCaptionDrivenSizes)
{
    const TextExtent text = measureText(RasterFont{test::kTestFace, 12}, "Go");
    style.fixedWidth = true;
    style.width = 50;
    style.fixedHeight = false;
    style.height = 3;
    RasterBitmap button = render("Go");
    EXPECT_EQ(button.width(), 50);
    EXPECT_EQ(button.height(), 6 + text.height);

    style.fixedHeight = true;
    style.height = 0;
    EXPECT_TRUE(render("Go").empty());
    style.fixedHeight = false;
    style.fixedWidth = false;
    style.width = 0;
    button = render("");
    EXPECT_EQ(button.width(), 0);
    EXPECT_TRUE(button.empty());
}

TEST_F(RendererTest, EveryAlignmentPlacesTheCaptionCell)
{
    style.fixedWidth = true;
    style.width = 120;
    style.textAlign = TextAlign::Left;
    const Points left = pixelsOf(render("Menu"), kInk);  // cell at x = 8
    ASSERT_FALSE(left.empty());
    const int tw = measureText(RasterFont{test::kTestFace, 12}, "Menu").width;

    style.textAlign = TextAlign::Centered;
    EXPECT_EQ(pixelsOf(render("Menu"), kInk), shifted(left, (120 - tw) / 2 - 8));
    style.textAlign = TextAlign::Right;  // 8 pixels between the cell and the right edge, whatever the border
    style.borderRight = 5;
    EXPECT_EQ(pixelsOf(render("Menu"), kInk), shifted(left, 120 - 8 - tw - 8));
    style.borderRight = 1;
    style.captionOffsetX = 3;
    EXPECT_EQ(pixelsOf(render("Menu"), kInk), shifted(left, 120 - 8 - tw - 8 + 3));
    style.textAlign = 7;  // unknown: x = 0, offset not applied
    EXPECT_EQ(pixelsOf(render("Menu"), kInk), shifted(left, -8));
}

TEST_F(RendererTest, WideCaptionInNarrowButtonHalvesTowardsZero)
{
    style.textAlign = TextAlign::Left;
    style.fixedWidth = false;
    style.width = 0;
    style.borderLeft = style.borderRight = style.borderTop = style.borderBottom = 0;
    const Points wide = pixelsOf(render("Wide caption text"), kInk);  // cell at x = 8
    const int tw = measureText(RasterFont{test::kTestFace, 12}, "Wide caption text").width;
    style.textAlign = TextAlign::Centered;
    style.fixedWidth = true;
    style.width = 11;
    const RasterBitmap button = render("Wide caption text");
    Points expected;
    for (auto [x, y] : shifted(wide, (11 - tw) / 2 - 8))
        if (x >= 0 && x < 11) expected.insert({x, y});
    EXPECT_EQ(pixelsOf(button, kInk), expected);
}

TEST_F(RendererTest, BordersOwnCornersInDrawingOrder)
{
    plainFixed(10, 10);
    style.backgroundBitmapsOn = false;
    style.colorBorderLeft = 1;
    style.colorBorderRight = 2;
    style.colorBorderTop = 3;
    style.colorBorderBottom = 4;
    style.borderLeft = 2;
    style.borderTop = 3;
    RasterBitmap b = render("x");
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const Color want = y < 3 ? 3 : x < 2 ? 1 : kBack;
            EXPECT_EQ(b.pixel(x, y), want) << x << "," << y;
        }
    style.borderTop = 0;
    style.borderBottom = 1;
    style.borderRight = 1;
    b = render("x");
    EXPECT_EQ(b.pixel(0, 9), 1u);  // left owns bottom-left
    EXPECT_EQ(b.pixel(9, 9), 2u);  // right owns bottom-right
    // Overlaps: left beats right, top beats bottom; huge values are clipped, negatives draw nothing.
    style.borderLeft = 6;
    style.borderRight = 2000000000;
    style.borderTop = 6;
    style.borderBottom = 6;
    b = render("x");
    EXPECT_EQ(b.pixel(5, 9), 1u);
    EXPECT_EQ(b.pixel(6, 9), 2u);
    EXPECT_EQ(b.pixel(5, 5), 3u);
    style.borderLeft = style.borderRight = style.borderTop = style.borderBottom = -4;
    EXPECT_EQ(pixelsOf(render("x"), kBack).size(), 100u);
}

TEST_F(RendererTest, EachPlacementCopiesAndTilesWithClipping)
{
    plainFixed(20, 12);
    style.setBitmapFileName(1, writeBitmap("tile.bmp", 7, 5));
    style.setBitmapEnabled(1, true);
    struct Case {
        int align;
        std::vector<std::pair<int, int>> origins;
    };
    const std::vector<Case> cases = {
        {BitmapAlign::TopLeft, {{0, 0}}},
        {BitmapAlign::TopRight, {{13, 0}}},
        {BitmapAlign::BottomLeft, {{0, 7}}},
        {BitmapAlign::BottomRight, {{13, 7}}},
        {BitmapAlign::TileTop, {{0, 0}, {7, 0}, {14, 0}}},
        {BitmapAlign::TileBottom, {{0, 7}, {7, 7}, {14, 7}}},
        {BitmapAlign::TileLeft, {{0, 0}, {0, 5}, {0, 10}}},
        {BitmapAlign::TileRight, {{13, 0}, {13, 5}, {13, 10}}},
        {8, {}},
    };
    for (const Case& c : cases) {
        style.setBitmapAlign(1, c.align);
        const RasterBitmap b = render("");
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                Color want = kBack;
                for (auto [ox, oy] : c.origins)  // later copies cover earlier ones
                    if (x >= ox && x < ox + 7 && y >= oy && y < oy + 5) want = marker(x - ox, y - oy);
                ASSERT_EQ(b.pixel(x, y), want) << "align " << c.align << " at " << x << "," << y;
            }
    }
}

TEST_F(RendererTest, LaterBitmapsCoverEarlierAndLargeOnesClipFromTheAnchor)
{
    plainFixed(6, 4);
    const std::string big = writeBitmap("big.bmp", 9, 9);
    style.setBitmapFileName(1, big);
    style.setBitmapEnabled(1, true);
    style.setBitmapAlign(1, BitmapAlign::BottomRight);
    style.setBitmapFileName(2, "\"" + writeBitmap("small.bmp", 2, 2) + "\"");  // quotes are ignored
    style.setBitmapEnabled(2, true);
    style.setBitmapAlign(2, BitmapAlign::TopLeft);
    const RasterBitmap b = render("");
    EXPECT_EQ(b.pixel(0, 0), marker(0, 0));
    EXPECT_EQ(b.pixel(1, 1), marker(1, 1));
    EXPECT_EQ(b.pixel(2, 0), marker(5, 5));  // bitmap 1 at (-3, -5)
    EXPECT_EQ(b.pixel(5, 3), marker(8, 8));
}

TEST_F(RendererTest, RowsThatCannotBeUsedAreSkippedSilently)
{
    plainFixed(8, 8);
    const std::string good = writeBitmap("good.bmp", 2, 2);
    style.setBitmapFileName(1, "");
    style.setBitmapEnabled(1, true);
    style.setBitmapFileName(2, good);
    style.setBitmapEnabled(2, false);
    style.setBitmapFileName(3, folder.file("missing.bmp"));
    style.setBitmapEnabled(3, true);
    style.setBitmapFileName(4, folder.path().string());  // a folder is not a file
    style.setBitmapEnabled(4, true);
    EXPECT_EQ(pixelsOf(render(""), kBack).size(), 64u);

    style.setBitmapEnabled(2, true);
    style.backgroundBitmapsOn = false;
    EXPECT_EQ(pixelsOf(render(""), kBack).size(), 64u);
    style.backgroundBitmapsOn = true;
    EXPECT_EQ(pixelsOf(render(""), kBack).size(), 60u);
}

TEST_F(RendererTest, NotABitmapStopsWithBackgroundAndEarlierBitmapsKept)
{
    plainFixed(8, 8);
    style.antiAliasLevel = 0;
    style.borderTop = 2;
    style.setBitmapFileName(1, writeBitmap("first.bmp", 2, 2));
    style.setBitmapEnabled(1, true);
    const std::string fake = folder.file("fake.bmp");
    std::ofstream(fake, std::ios::binary) << "GIF89a this is not a bitmap";
    style.setBitmapFileName(2, fake);
    style.setBitmapEnabled(2, true);
    style.setBitmapAlign(2, BitmapAlign::BottomRight);

    RasterBitmap button;
    try {
        renderButton(style, "Hi", previewFont, button);
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    ASSERT_EQ(button.width(), 8);
    EXPECT_EQ(button.pixel(1, 1), marker(1, 1));
    EXPECT_EQ(button.pixel(5, 0), kBack) << "no border after the failure";
    EXPECT_TRUE(pixelsOf(button, kInk).empty()) << "no caption after the failure";
}

TEST_F(RendererTest, CaptionOnlyForKnownAntiAliasingLevels)
{
    style.fontColor = 0x000000FF;
    for (int level : {-1, 4}) {
        style.antiAliasLevel = level;
        EXPECT_TRUE(pixelsOf(render("Text"), 0x000000FF).empty()) << level;
    }
    for (int level : {0, 1, 2, 3}) {
        style.antiAliasLevel = level;
        EXPECT_FALSE(pixelsOf(render("Text"), 0x000000FF).empty()) << level;
    }
}

// Stored system colours (0xFF0000nn) are drawn in the application palette's
// colours, with and without anti-aliasing.
TEST_F(RendererTest, SystemColoursAreDrawnResolved)
{
    auto paletteColor = [](QPalette::ColorRole role) {
        const QColor c = QGuiApplication::palette().color(QPalette::Active, role);
        return makeColor(c.red(), c.green(), c.blue());
    };
    const Color face = paletteColor(QPalette::Button), shadow = paletteColor(QPalette::Dark);
    const Color text = paletteColor(QPalette::ButtonText);
    style.faceColor = 0xFF00000F;  // button face
    style.colorBorderLeft = style.colorBorderRight = style.colorBorderTop = style.colorBorderBottom = 0xFF000010;
    style.fontColor = 0xFF000012;  // button text
    for (int level : {0, 2}) {
        style.antiAliasLevel = level;
        const RasterBitmap b = render("Home");
        EXPECT_EQ(b.pixel(0, 0), shadow) << level;
        EXPECT_EQ(b.pixel(2, 2), face) << level;
        EXPECT_FALSE(pixelsOf(b, text).empty()) << level;
    }
}

TEST_F(RendererTest, CaptionFontStyleRules)
{
    RasterFont font;
    font.face = "Before";
    font.bold = true;
    style.fontName = "";
    style.fontStyle = 9;
    style.fontUnderline = true;
    applyCaptionFont(style, font);
    EXPECT_EQ(font.face, "Before");
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.underline);
    style.fontStyle = FontStyle::Italic;
    style.fontUnderline = false;
    applyCaptionFont(style, font);
    EXPECT_FALSE(font.bold);
    EXPECT_TRUE(font.italic);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(font.color, style.fontColor);
}

TEST_F(RendererTest, HugeSizesFailClearly)
{
    style.fixedWidth = true;
    style.width = 2000000000;
    EXPECT_THROW(render("x"), Error);
    style.width = 10;
    style.fontSize = 1000000;
    EXPECT_THROW(render("x"), Error);
}

TEST_F(RendererTest, ExtremeOffsetsPutTheCaptionOutsideWithoutOverflowing)
{
    style.fixedWidth = style.fixedHeight = true;
    style.width = 60;
    style.height = 20;
    const RasterBitmap empty = render("");
    for (int antiAlias : {0, 2})
        for (std::int32_t align : {TextAlign::Centered, TextAlign::Left, TextAlign::Right})
            for (const auto& [dx, dy] : std::vector<std::pair<std::int32_t, std::int32_t>>{
                     {INT32_MAX, 0}, {INT32_MIN, 0}, {0, INT32_MAX}, {0, INT32_MIN}, {INT32_MAX, INT32_MIN}}) {
                style.antiAliasLevel = antiAlias;
                style.textAlign = align;
                style.captionOffsetX = dx;
                style.captionOffsetY = dy;
                const RasterBitmap button = render("Wide caption");
                EXPECT_EQ(pixelsOf(button, kInk), pixelsOf(empty, kInk)) << antiAlias << align << dx << dy;
            }
}

TEST(AntiAliasTest, BlendRoundsHalvesToEven)
{
    EXPECT_EQ(blendTowards(0x00FFFFFF, 0, 0.5), makeColor(128, 128, 128));
    EXPECT_EQ(blendTowards(0x00FFFFFF, 0, 0.25), makeColor(64, 64, 64));
    EXPECT_EQ(blendTowards(0x00FFFFFF, 0, 1.0), 0x00FFFFFFu);
    EXPECT_EQ(blendTowards(makeColor(0, 0, 0), makeColor(3, 5, 200), 0.5), makeColor(2, 2, 100));
}

TEST(AntiAliasTest, ChangesOnlyInkedPixelsInsideTheTarget)
{
    test::ensureGuiApp();
    const RasterFont font{test::kTestFace, 14, false, false, true, false, 0};
    for (int factor : {2, 3, 4}) {
        RasterBitmap target(30, 20);
        antiAliasedTextOut(target, font, 0x000000FF, 0x00FF0000, -5, 2, "Wg", factor);
        int tinted = 0, pure = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const Color c = target.pixel(x, y);
                if (c == 0x000000FF) ++pure;
                if (c == 0x00FFFFFF) continue;
                ++tinted;
                EXPECT_EQ(greenOf(c), 0) << "mixed only between caption and blend";
            }
        EXPECT_GT(pure, 0) << factor;
        EXPECT_GT(tinted, pure) << factor;
    }
    RasterBitmap untouched(10, 10);
    antiAliasedTextOut(untouched, font, 0, 0, 0, 0, "", 3);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(untouched.pixel(x, y), 0x00FFFFFFu);
}

TEST(AntiAliasTest, SameCaptionAndBlendColourGivesOneColour)
{
    test::ensureGuiApp();
    RasterBitmap target(40, 20);
    antiAliasedTextOut(target, RasterFont{test::kTestFace, 12}, 0x00123456, 0x00123456, 1, 1, "Ab", 3);
    int caption = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const Color c = target.pixel(x, y);
            EXPECT_TRUE(c == 0x00123456 || c == 0x00FFFFFF);
            caption += c == 0x00123456;
        }
    EXPECT_GT(caption, 0);
}

}  // namespace
}  // namespace nimbrel
