#pragma once
// Drawing onto a bitmap or the preview, and measuring text: the few operations
// the renderer, the anti-aliasing and the preview need, over QPainter. Text is
// measured by its cell (advance width, ascent + descent).
#include <QColor>
#include <string>

#include "core/raster_bitmap.h"
#include "core/raster_font.h"
#include "image/color.h"

class QPaintDevice;

namespace nimbrel {

struct TextExtent {
    int width = 0;
    int height = 0;
};

// The widest text cell drawn: thirty times the widest image, so a caption
// clipped by a fixed-width button still draws, while the toolkit's 26.6 fixed-point
// sums stay far from wrapping.
constexpr long long kMaxTextWidth = 1LL << 20;

// The text cell of a string: advance width and line height (ascent + descent).
// Throws nimbrel::Error when the font is too large for the toolkit's metrics or
// the text is wider than kMaxTextWidth.
TextExtent measureText(const RasterFont& font, const std::string& text);

QColor toQColor(Color c);

// A drawing surface over a bitmap or any paint device (the preview widget).
// Painting happens per call, so a surface can be kept across bitmap changes.
class RasterSurface {
public:
    explicit RasterSurface(QPaintDevice* device) : device_(device) {}
    explicit RasterSurface(RasterBitmap& bitmap) : device_(&bitmap.image()) {}

    Color pen = 0;
    Color brush = 0x00FFFFFF;
    RasterFont font;
    bool transparentText = false;

    // Outlines x1..x2-1, y1..y2-1 with the pen and fills the inside with the brush.
    void rectangle(int x1, int y1, int x2, int y2);

    // The text in the font's colour, the top-left of its cell at (x, y); opaque
    // mode first fills the cell with the brush.
    void drawText(int x, int y, const std::string& text);

    // Opaque 1:1 copy with its top-left at (x, y), clipped.
    void copy(const RasterBitmap& source, int x, int y);
    // Block enlargement into (x, y, w, h), no smoothing.
    void stretch(const RasterBitmap& source, int x, int y, int w, int h);

    // A clipped solid rectangle of w x h pixels at (x, y).
    void fillRect(int x, int y, int w, int h, Color c);

private:
    QPaintDevice* device_;
};

}  // namespace nimbrel
