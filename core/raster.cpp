#include "core/raster.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <new>

#include "image/bmp_reader.h"
#include "base/error.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr int kDefaultPixelSize = 16;  // a size of 0 points asks for the default (12 pt)

QString toQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

bool isBitmap(const QImage* image) { return image && image->format() == QImage::Format_BGR888; }

}  // namespace

int pointsToPixels(int points)
{
    if (points == 0) return kDefaultPixelSize;
    // A negative size is taken as the same size: the em height is what matters.
    const long long magnitude = std::llabs(static_cast<long long>(points));
    const long long pixels = std::llround(static_cast<double>(magnitude) * 96.0 / 72.0);
    if (pixels > kMaxImageSide)
        throw Error("Font size " + std::to_string(points) + " pt is too large (at most " +
                    std::to_string(kMaxImageSide * 72 / 96) + " pt)");
    return static_cast<int>(std::max(1LL, pixels));
}

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

Color fromQColor(const QColor& c) { return makeColor(c.red(), c.green(), c.blue()); }

namespace {

QFont makeQFont(const RasterFont& font, int pixels)
{
    QFont f;
    if (!font.face.empty()) f.setFamily(toQString(font.face));
    f.setPixelSize(pixels);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Fixed hinting and no smoothing: glyph pixels must not depend on the screen
    // the program happens to run on, and direct captions take exactly one colour.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(font.antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

// Making a font and finding its glyph engine take longer than shaping a short
// caption, and a button set asks for the same two or three fonts thousands of
// times: each thread keeps the last few. Fonts are never handed to another
// thread, which the toolkit's fonts do not allow.
class RecentFonts {
public:
    template <class Make>
    QFont get(const RasterFont& font, Make make)
    {
        // Everything but the colour makes the toolkit font: keys carry none.
        RasterFont key = font;
        key.color = 0;
        for (const Entry& e : entries_)
            if (e.used && e.key == key) return e.font;
        Entry& e = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        e = {key, make(), true};
        return e.font;
    }

private:
    struct Entry {
        RasterFont key;
        QFont font;
        bool used = false;
    };
    std::array<Entry, 4> entries_;
    std::size_t next_ = 0;
};

}  // namespace

QFont RasterFont::toQFont() const
{
    const long long pixels = static_cast<long long>(pointsToPixels(sizePt)) * pixelScale;
    if (pixels > kMaxImageSide)
        throw Error("Font size " + std::to_string(sizePt) + " pt is too large to draw at " +
                    std::to_string(pixelScale) + " times the size");
    thread_local RecentFonts recent;
    return recent.get(*this, [&] { return makeQFont(*this, static_cast<int>(pixels)); });
}

bool RasterFont::operator==(const RasterFont& o) const
{
    return face == o.face && sizePt == o.sizePt && bold == o.bold && italic == o.italic &&
           underline == o.underline && antialiased == o.antialiased && color == o.color &&
           pixelScale == o.pixelScale;
}

// --- RasterBitmap ----------------------------------------------------------

namespace {


QImage newBitmapImage(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    // Qt answers a failed allocation with a null image, not an exception: it
    // must not pass for an empty button.
    if (image.isNull()) throw std::bad_alloc();
    return image;
}

}  // namespace

void RasterBitmap::setSize(int width, int height)
{
    checkImageSize(width, height);
    if (width == this->width() && height == this->height()) return;
    if (width == 0 || height == 0) {
        image_ = QImage();
        return;
    }
    QImage resized = newBitmapImage(width, height);
    // White is all bytes 0xFF; the toolkit's fill goes pixel by pixel for 24-bit images.
    std::memset(resized.bits(), 0xFF, static_cast<std::size_t>(resized.sizeInBytes()));
    const int keepW = std::min(width, this->width());
    const int keepH = std::min(height, this->height());
    for (int y = 0; y < keepH; ++y) std::memcpy(resized.scanLine(y), image_.constScanLine(y), keepW * 3);
    image_ = std::move(resized);
}

Color RasterBitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0x00FFFFFF;
    const uchar* p = image_.constScanLine(y) + x * 3;
    return makeColor(p[2], p[1], p[0]);
}

void RasterBitmap::setPixel(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    uchar* p = image_.scanLine(y) + x * 3;
    p[0] = blueOf(c);
    p[1] = greenOf(c);
    p[2] = redOf(c);
}

void RasterBitmap::assign(const Bgr24View& pixels)
{
    image_ = QImage();
    setSize(pixels.width, pixels.height);
    for (int y = 0; y < height(); ++y) std::memcpy(image_.scanLine(y), pixels.row(y), width() * 3);
}

void RasterBitmap::loadFromFile(const std::string& fileName)
{
    // Decoded straight into the bitmap's own pixels: a large picture is held once.
    QImage loaded;
    loadBmpFileInto(fileName, [&loaded](int width, int height) -> Bgr24Canvas {
        checkImageSize(width, height);
        if (width == 0 || height == 0) return {};
        loaded = newBitmapImage(width, height);
        return {loaded.bits(), width, height, loaded.bytesPerLine()};
    });
    image_ = std::move(loaded);
}

Bgr24View RasterBitmap::view() const
{
    if (empty()) return {};
    return {image_.constBits(), width(), height(), image_.bytesPerLine()};
}

// --- RasterSurface ----------------------------------------------------------

namespace {

// Fills a clipped rectangle of a 24-bit image byte by byte: the renderer's
// backgrounds, borders and lines come through here.
void fillImageRect(QImage& image, int x, int y, int w, int h, Color c)
{
    const int x1 = std::max(0, x), y1 = std::max(0, y);
    const int x2 = static_cast<int>(std::min<long long>(image.width(), static_cast<long long>(x) + w));
    const int y2 = static_cast<int>(std::min<long long>(image.height(), static_cast<long long>(y) + h));
    if (x1 >= x2 || y1 >= y2) return;
    const uchar bgr[3] = {blueOf(c), greenOf(c), redOf(c)};
    // The first row pixel by pixel, the others copied from it. The pixels are
    // fetched once: each scanLine() call checks whether the image is shared.
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    uchar* first = bits + y1 * stride + x1 * 3;
    for (int col = x1; col < x2; ++col) std::memcpy(first + (col - x1) * 3, bgr, 3);
    const std::size_t bytes = static_cast<std::size_t>(x2 - x1) * 3;
    for (int row = y1 + 1; row < y2; ++row) std::memcpy(bits + row * stride + x1 * 3, first, bytes);
}

}  // namespace

void RasterSurface::fillRect(int x, int y, int w, int h, Color c)
{
    if (w <= 0 || h <= 0) return;
    auto* image = dynamic_cast<QImage*>(device_);
    if (isBitmap(image)) {
        fillImageRect(*image, x, y, w, h, c);
        return;
    }
    QPainter painter(device_);
    painter.fillRect(QRect(x, y, w, h), toQColor(c));
}

void RasterSurface::rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    const int w = x2 - x1, h = y2 - y1;
    fillRect(x1, y1, w, h, brush);
    fillRect(x1, y1, w, 1, pen);
    fillRect(x1, y2 - 1, w, 1, pen);
    fillRect(x1, y1, 1, h, pen);
    fillRect(x2 - 1, y1, 1, h, pen);
}

void RasterSurface::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void RasterSurface::lineTo(int x, int y)
{
    if (penY_ == y || penX_ == x) {
        // Straight lines in one fill; the end point is left out.
        if (penY_ == y && penX_ != x)
            fillRect(penX_ < x ? penX_ : x + 1, y, std::abs(x - penX_), 1, pen);
        else if (penX_ == x && penY_ != y)
            fillRect(x, penY_ < y ? penY_ : y + 1, 1, std::abs(y - penY_), pen);
    } else {
        // Bresenham from the current point, stopping before the end point.
        int cx = penX_, cy = penY_;
        const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
        const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
        int err = dx + dy;
        while (cx != x || cy != y) {
            fillRect(cx, cy, 1, 1, pen);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                cx += sx;
            }
            if (e2 <= dx) {
                err += dx;
                cy += sy;
            }
        }
    }
    moveTo(x, y);
}

int RasterSurface::textWidth(const std::string& text) const { return measureText(font, text).width; }

int RasterSurface::textHeight(const std::string& text) const { return measureText(font, text).height; }

void RasterSurface::textOut(int x, int y, const std::string& text)
{
    const QFont qfont = font.toQFont();
    const QFontMetrics metrics(qfont);
    const QString qtext = toQString(text);
    QPainter painter(device_);
    if (!transparentText)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.ascent() + metrics.descent()),
                         toQColor(brush));
    painter.setFont(qfont);
    painter.setPen(toQColor(font.color));
    painter.drawText(QPoint(x, y + metrics.ascent()), qtext);
}

void RasterSurface::copy(const RasterBitmap& source, int x, int y)
{
    if (source.empty()) return;
    auto* image = dynamic_cast<QImage*>(device_);
    if (!isBitmap(image)) {
        QPainter painter(device_);
        painter.drawImage(QPoint(x, y), source.image());
        return;
    }
    const int x1 = std::max(0, x), x2 = std::min(image->width(), x + source.width());
    const int y1 = std::max(0, y), y2 = std::min(image->height(), y + source.height());
    if (x1 >= x2 || y1 >= y2) return;
    for (int row = y1; row < y2; ++row)
        std::memcpy(image->scanLine(row) + x1 * 3, source.image().constScanLine(row - y) + (x1 - x) * 3,
                    static_cast<std::size_t>(x2 - x1) * 3);
}

void RasterSurface::stretch(const RasterBitmap& source, int x, int y, int w, int h)
{
    if (source.empty() || w <= 0 || h <= 0) return;
    QPainter painter(device_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(x, y, w, h), source.image());
}

namespace {

// Qt adds advances in 26.6 fixed point, which wraps beyond 2^25 pixels: a text
// that might come near is first measured in pieces, in 64 bits.
constexpr long long kSafeAdvanceSum = 1LL << 24;
constexpr int kPieceLength = 256;

long long advanceInPieces(const QFontMetrics& metrics, const QString& text)
{
    long long sum = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min<qsizetype>(text.size(), start + kPieceLength);
        if (end < text.size() && text[end].isLowSurrogate()) ++end;  // keep pairs whole
        sum += metrics.horizontalAdvance(text.mid(start, end - start));
        start = end;
    }
    return sum;
}

}  // namespace

TextExtent measureText(const RasterFont& font, const std::string& text)
{
    const QFont qfont = font.toQFont();
    const QFontMetrics metrics(qfont);
    const int height = metrics.ascent() + metrics.descent();
    // Every face's line is close to its em; far less means the metrics overflowed.
    if (height < qfont.pixelSize() / 2)
        throw Error("Font size " + std::to_string(font.sizePt) +
                    " pt is too large: the text cannot be measured at this size");
    const QString qtext = toQString(text);
    if (static_cast<long long>(qtext.size()) * std::max(1, metrics.maxWidth()) >= kSafeAdvanceSum) {
        const long long width = advanceInPieces(metrics, qtext);
        if (width > kMaxTextWidth)
            throw Error("Caption is too wide to draw: " + std::to_string(width) + " pixels (at most " +
                        std::to_string(kMaxTextWidth) + ")");
    }
    return {metrics.horizontalAdvance(qtext), height};
}

}  // namespace nimbrel
