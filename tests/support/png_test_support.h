#pragma once
// A PNG decoder that nobody here wrote (libpng's simplified API) to read back
// what we write, as RGBA, with the header's bit depth and colour type.
#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "image/color.h"

namespace nimbrel::png_test {

struct DecodedPng {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colorType = 0;  // 2 RGB, 3 indexed
    bool hasTransparency = false;
    std::vector<std::uint8_t> rgba;

    Color color(int x, int y) const
    {
        const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
        return makeColor(p[0], p[1], p[2]);
    }
    int alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
};

inline DecodedPng decodeWithLibpng(const std::vector<std::uint8_t>& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw std::runtime_error(std::string("libpng cannot open: ") + image.message);
    DecodedPng out;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.bitDepth = bytes.at(24);
    out.colorType = bytes.at(25);
    out.hasTransparency = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("libpng cannot decode: ") + image.message);
    return out;
}

}  // namespace nimbrel::png_test
