#include "core/renderer.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/anti_alias.h"
#include "base/error.h"
#include "image/image_limits.h"
#include "image/system_colors.h"

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
    if (!style.backgroundBitmapsOn) return;
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

// Where a caption cell starts, from 32-bit style offsets that may be anything
// (times the scale k of a high-density copy): worked out in 64 bits, then
// pulled in to where the cell, glyph overhangs included, is still wholly
// outside the image (no pixel changes), so the drawing code never sees a
// coordinate it could overflow.
int clampedCaptionPosition(long long position, long long imageExtent, const TextExtent& text)
{
    const long long margin = static_cast<long long>(text.width) + 2LL * text.height + 64;
    return static_cast<int>(std::clamp(position, -margin, imageExtent + margin));
}

long long captionX(const ButtonStyle& style, long long W, long long tw, long long k)
{
    const long long offsetX = style.captionOffsetX;
    switch (style.textAlign) {
        case TextAlign::Centered:
            return k * offsetX + (k * W - tw) / 2;
        case TextAlign::Left:
            return k * (offsetX + kAlignMargin);
        case TextAlign::Right:
            return k * (offsetX + W - kAlignMargin) - tw;
        default: return 0;
    }
}

// Pixel repetition: each pixel becomes a k x k block.
void enlarge(RasterBitmap& bitmap, int k)
{
    const int W = bitmap.width(), H = bitmap.height();
    RasterBitmap large(W * k, H * k);
    for (int y = 0; y < H * k; ++y) {
        const uchar* in = bitmap.image().constScanLine(y / k);
        uchar* out = large.image().scanLine(y);
        for (int x = 0; x < W * k; ++x, out += 3) std::memcpy(out, in + (x / k) * 3, 3);
    }
    bitmap = std::move(large);
}

void drawCaption(const ButtonStyle& style, const std::string& caption, const RasterFont& measuringFont,
                 TextExtent measured, int x, int y, int k, RasterBitmap& button)
{
    // A new bitmap's surface starts from the platform's default font.
    RasterFont font;
    applyCaptionFont(style, font);
    font.pixelScale = k;
    // Level n of anti-aliasing (1..3) draws the caption n + 1 times as large and averages it down.
    const int antiAliasFactor = style.antiAliasLevel + 1;
    if (style.antiAliasLevel == 0) {
        RasterSurface surface(button);
        surface.font = font;
        surface.transparentText = true;
        surface.drawText(x, y, caption);
    } else if (style.antiAliasLevel >= 1 && style.antiAliasLevel <= 3) {
        // The caption's cell is measured again only when the measuring surface
        // kept a face or style that a new surface would not have.
        const TextExtent cell = font == measuringFont ? measured : measureText(font, caption);
        antiAliasedTextOut(button, font, style.fontColor, style.faceColor, x, y, caption, antiAliasFactor,
                           cell);
    }
}

// Bottom, right, left, top: the later borders own the corners they share.
// Thicknesses are clipped to the button, so huge values cost nothing.
void drawBorders(const ButtonStyle& style, int k, RasterBitmap& button)
{
    RasterSurface surface(button);
    int W = button.width() / k, H = button.height() / k;
    const int bottom = k * std::clamp(style.borderBottom, 0, H), right = k * std::clamp(style.borderRight, 0, W);
    const int left = k * std::clamp(style.borderLeft, 0, W), top = k * std::clamp(style.borderTop, 0, H);
    W *= k;
    H *= k;
    surface.fillRect(0, H - bottom, W, bottom, style.colorBorderBottom);
    surface.fillRect(W - right, 0, right, H, style.colorBorderRight);
    surface.fillRect(0, 0, left, H, style.colorBorderLeft);
    surface.fillRect(0, 0, W, top, style.colorBorderTop);
}

// System colours are drawn as the colour panels show them; the style itself keeps
// the stored values.
ButtonStyle withDrawnColors(ButtonStyle style)
{
    for (Color* c : {&style.faceColor, &style.colorBorderLeft, &style.colorBorderRight, &style.colorBorderTop,
                     &style.colorBorderBottom, &style.fontColor})
        *c = resolveSystemColor<QGuiApplication>(*c);
    return style;
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

TextExtent renderButton(const ButtonStyle& storedStyle, const std::string& caption, RasterFont& measuringFont,
                        RasterBitmap& button, int scale)
{
    const ButtonStyle style = withDrawnColors(storedStyle);
    const int k = std::max(1, scale);
    button = RasterBitmap();
    if (caption.size() > kMaxCaptionBytes)
        throw Error("Caption is too long: " + std::to_string(caption.size()) + " bytes (at most " +
                    std::to_string(kMaxCaptionBytes) + ")");
    applyCaptionFont(style, measuringFont);
    const TextExtent text = measureText(measuringFont, caption);
    const long long wantedW = buttonExtent(style.fixedWidth, style.width, text.width);
    const long long wantedH = buttonExtent(style.fixedHeight, style.height, text.height);
    checkImageSize(wantedW * k, wantedH * k);
    const int W = static_cast<int>(wantedW), H = static_cast<int>(wantedH);

    button.setSize(W, H);
    RasterSurface(button).fillRect(0, 0, W, H, style.faceColor);
    drawImportedBitmaps(style, button);
    // The caption's cell at the scale drawn, measured on a font like the measuring one.
    RasterFont cellFont = measuringFont;
    cellFont.pixelScale = k;
    TextExtent scaledText = text;
    if (k > 1) {
        enlarge(button, k);
        scaledText = measureText(cellFont, caption);
    }

    const int x = clampedCaptionPosition(captionX(style, W, scaledText.width, k), 1LL * k * W, scaledText);
    const int y = clampedCaptionPosition(
        1LL * k * style.captionOffsetY + (1LL * k * H - scaledText.height) / 2, 1LL * k * H, scaledText);
    drawCaption(style, caption, cellFont, scaledText, x, y, k, button);
    drawBorders(style, k, button);
    return text;
}

Bgr24Image renderScaledButton(const ButtonStyle& style, const std::string& caption, RasterFont measuringFont,
                              int scale)
{
    RasterBitmap button;
    renderButton(style, caption, measuringFont, button, scale);
    Bgr24Image pixels(button.width(), button.height());
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(pixels.row(y), button.image().constScanLine(y), static_cast<std::size_t>(pixels.width()) * 3);
    return pixels;
}

}  // namespace nimbrel
