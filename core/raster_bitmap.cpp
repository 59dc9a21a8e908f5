#include "core/raster_bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/bmp_reader.h"
#include "image/image_limits.h"

namespace nimbrel {

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

}  // namespace nimbrel
