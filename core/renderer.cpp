#include "core/renderer.h"

#include <algorithm>
#include <filesystem>

#include "core/anti_alias.h"
#include "base/error.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr int kAlignMargin = 8;  // left and right alignment keep this far from the edge

bool fileExists(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::u8path(name), ec);
}

// The top-left corners at which bitmap copies go, for one placement. Tiles
// repeat (extent div size) + 1 times, the last one usually cut by the edge.
template <typename Place>
void forEachPlacement(std::int32_t align, int W, int H, int bw, int bh, Place place)
{
    switch (align) {
        case BitmapAlign::TopLeft: place(0, 0); break;
        case BitmapAlign::TopRight: place(W - bw, 0); break;
        case BitmapAlign::BottomLeft: place(0, H - bh); break;
        case BitmapAlign::BottomRight: place(W - bw, H - bh); break;
        case BitmapAlign::TileTop:
        case BitmapAlign::TileBottom:
            for (int k = 0; k <= W / bw; ++k) place(k * bw, align == BitmapAlign::TileTop ? 0 : H - bh);
            break;
        case BitmapAlign::TileLeft:
        case BitmapAlign::TileRight:
            for (int k = 0; k <= H / bh; ++k) place(align == BitmapAlign::TileLeft ? 0 : W - bw, k * bh);
            break;
        default: break;
    }
}

void drawImportedBitmaps(const ButtonStyle& style, RasterBitmap& button)
{
    if (!style.importBMP) return;
    RasterSurface surface(button);
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        const std::string name = unquoteFileName(style.bitmapFileName(i));
        if (name.empty() || !style.bitmapEnabled(i) || !fileExists(name)) continue;
        RasterBitmap picture;
        picture.loadFromFile(name);
        if (picture.empty()) continue;
        forEachPlacement(style.bitmapAlign(i), button.width(), button.height(), picture.width(), picture.height(),
                         [&](int x, int y) { surface.copy(picture, x, y); });
    }
}

// Where a caption cell starts, from 32-bit style offsets that may be anything:
// worked out in 64 bits, then pulled in to where the cell, glyph overhangs
// included, is still wholly outside the image (no pixel changes), so the
// drawing code never sees a coordinate it could overflow.
int clampedCaptionPosition(long long position, int imageExtent, const TextExtent& text)
{
    const long long margin = static_cast<long long>(text.width) + 2LL * text.height + 64;
    return static_cast<int>(std::clamp(position, -margin, imageExtent + margin));
}

long long captionX(const ButtonStyle& style, int W, int tw)
{
    const long long minorX = style.minorX;
    switch (style.textAlign) {
        case TextAlign::Centered: return minorX + (W - tw) / 2;
        case TextAlign::Left: return minorX + kAlignMargin;
        case TextAlign::Right: return minorX + W - kAlignMargin - tw;
        default: return 0;
    }
}

void drawCaption(const ButtonStyle& style, const std::string& caption, int x, int y, RasterBitmap& button)
{
    // A new bitmap's surface starts from the platform's default font.
    RasterFont font;
    applyCaptionFont(style, font);
    if (style.fontAntiAlias == 0) {
        RasterSurface surface(button);
        surface.font = font;
        surface.transparentText = true;
        surface.textOut(x, y, caption);
    } else if (style.fontAntiAlias >= 1 && style.fontAntiAlias <= 3) {
        antiAliasedTextOut(button, font, style.fontColor, style.colorBack, x, y, caption,
                           style.fontAntiAlias + 1);
    }
}

// Bottom, right, left, top: the later borders own the corners they share.
// Thicknesses are clipped to the button, so huge values cost nothing.
void drawBorders(const ButtonStyle& style, RasterBitmap& button)
{
    RasterSurface surface(button);
    const int W = button.width(), H = button.height();
    const int bottom = std::clamp(style.borderBottom, 0, H), right = std::clamp(style.borderRight, 0, W);
    const int left = std::clamp(style.borderLeft, 0, W), top = std::clamp(style.borderTop, 0, H);
    surface.fillRect(0, H - bottom, W, bottom, style.colorBorderBottom);
    surface.fillRect(W - right, 0, right, H, style.colorBorderRight);
    surface.fillRect(0, 0, left, H, style.colorBorderLeft);
    surface.fillRect(0, 0, W, top, style.colorBorderTop);
}

long long buttonExtent(bool fixed, std::int32_t value, int textExtent)
{
    const long long extent = fixed ? value : 2LL * value + textExtent;
    // A negative size (possible only from a hand-edited style) draws an empty button.
    return std::max(0LL, extent);
}

}  // namespace

void applyCaptionFont(const ButtonStyle& style, RasterFont& font)
{
    if (!style.fontName.empty()) font.face = style.fontName;
    font.sizePt = style.fontSize;
    if (style.fontStyle >= FontStyle::Normal && style.fontStyle <= FontStyle::BoldItalic) {
        font.bold = style.fontStyle == FontStyle::Bold || style.fontStyle == FontStyle::BoldItalic;
        font.italic = style.fontStyle == FontStyle::Italic || style.fontStyle == FontStyle::BoldItalic;
        font.underline = false;
    }
    if (style.fontUnderline) font.underline = true;
    font.color = style.fontColor;
}

void renderButton(const ButtonStyle& style, const std::string& caption, RasterFont& measuringFont,
                  RasterBitmap& button)
{
    button = RasterBitmap();
    if (caption.size() > kMaxCaptionBytes)
        throw Error("Caption is too long: " + std::to_string(caption.size()) + " bytes (at most " +
                    std::to_string(kMaxCaptionBytes) + ")");
    applyCaptionFont(style, measuringFont);
    const TextExtent text = measureText(measuringFont, caption);
    const long long wantedW = buttonExtent(style.fixedWidth, style.width, text.width);
    const long long wantedH = buttonExtent(style.fixedHeight, style.height, text.height);
    checkImageSize(wantedW, wantedH);
    const int W = static_cast<int>(wantedW), H = static_cast<int>(wantedH);

    button.setSize(W, H);
    RasterSurface(button).fillRect(0, 0, W, H, style.colorBack);
    drawImportedBitmaps(style, button);

    const int x = clampedCaptionPosition(captionX(style, W, text.width), W, text);
    const int y = clampedCaptionPosition(style.minorY + (static_cast<long long>(H) - text.height) / 2, H, text);
    drawCaption(style, caption, x, y, button);
    drawBorders(style, button);
}

}  // namespace nimbrel
