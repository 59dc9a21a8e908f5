#include "image/image.h"

#include "image/image_limits.h"

namespace nimbrel {

Bgr24Image::Bgr24Image(int width, int height)
{
    checkImageSize(width, height);
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * height * 3, 0xFF);
}

Color Bgr24Image::pixel(int x, int y) const
{
    const std::uint8_t* p = row(y) + x * 3;
    return makeColor(p[2], p[1], p[0]);
}

void Bgr24Image::setPixel(int x, int y, Color c)
{
    std::uint8_t* p = row(y) + x * 3;
    p[0] = blueOf(c);
    p[1] = greenOf(c);
    p[2] = redOf(c);
}

}  // namespace nimbrel
