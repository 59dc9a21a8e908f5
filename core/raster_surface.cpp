#include "core/raster_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "base/error.h"

namespace nimbrel {
namespace {

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

bool isBitmap(const QImage* image)
{
    return image && image->format() == QImage::Format_BGR888;
}

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

QColor toQColor(Color c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

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

void RasterSurface::drawText(int x, int y, const std::string& text)
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
