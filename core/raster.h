#pragma once
// The raster layer: 24-bit off-screen bitmaps and the few drawing operations the
// renderer, the anti-aliasing and the preview need, over QImage and QPainter.
// Text is measured by its cell (advance width, ascent + descent) at 96 dpi, so a
// button looks the same whatever screen the program runs on.
#include <QColor>
#include <QFont>
#include <QImage>
#include <string>

#include "image/color.h"
#include "image/image.h"

class QPaintDevice;

namespace nimbrel {

// A surface font: what the renderer sets and reads back. Sizes are in points.
struct RasterFont {
    std::string face;  // empty: the platform's default face
    int sizePt = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool antialiased = false;  // glyph edges smoothed (only the scratch of anti-aliased captions uses it)
    Color color = 0;
    int pixelScale = 1;  // the high-density copies: k times the pixel size of sizePt

    QFont toQFont() const;
    bool operator==(const RasterFont& o) const;
};

// Pixel height of a point size at 96 dpi; 0 points means the default size.
// Throws nimbrel::Error for sizes beyond the image limits.
int pointsToPixels(int points);

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
Color fromQColor(const QColor& c);

// A 24-bit bitmap (bytes blue, green, red) that is white wherever it is new.
class RasterBitmap {
public:
    RasterBitmap() = default;  // 0 x 0
    RasterBitmap(int width, int height) { setSize(width, height); }

    // Keeps the pixels that stay inside; new pixels are white. Throws nimbrel::Error
    // beyond the image size limits.
    void setSize(int width, int height);
    int width() const { return image_.isNull() ? 0 : image_.width(); }
    int height() const { return image_.isNull() ? 0 : image_.height(); }
    bool empty() const { return width() == 0 || height() == 0; }

    Color pixel(int x, int y) const;         // outside: white
    void setPixel(int x, int y, Color c);    // outside: ignored

    // Replaces size and pixels by a BMP file's (strict decoder; "Bitmap image is not valid").
    void loadFromFile(const std::string& fileName);
    void assign(const Bgr24View& pixels);

    Bgr24View view() const;
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

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
    void moveTo(int x, int y);
    // Draws towards (x, y) without the end point, which becomes current.
    void lineTo(int x, int y);

    int textWidth(const std::string& text) const;
    int textHeight(const std::string& text) const;
    // Top-left of the text cell at (x, y); opaque mode fills the cell with the brush.
    void textOut(int x, int y, const std::string& text);

    // Opaque 1:1 copy with its top-left at (x, y), clipped.
    void copy(const RasterBitmap& source, int x, int y);
    // Block enlargement into (x, y, w, h), no smoothing.
    void stretch(const RasterBitmap& source, int x, int y, int w, int h);

    // A clipped solid rectangle of w x h pixels at (x, y).
    void fillRect(int x, int y, int w, int h, Color c);

private:
    QPaintDevice* device_;
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace nimbrel
