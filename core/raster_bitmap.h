#pragma once
// A 24-bit off-screen bitmap over a QImage: the button, the anti-aliasing
// scratch and the style's pictures.
#include <QImage>
#include <string>

#include "image/color.h"
#include "image/image.h"

namespace nimbrel {

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

    Color pixel(int x, int y) const;       // outside: white
    void setPixel(int x, int y, Color c);  // outside: ignored

    // Replaces size and pixels by a BMP file's (strict decoder; "Bitmap image is not valid").
    void loadFromFile(const std::string& fileName);
    void assign(const Bgr24View& pixels);

    Bgr24View view() const;
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

}  // namespace nimbrel
