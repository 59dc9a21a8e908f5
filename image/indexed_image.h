#pragma once
// An 8-bit image: one palette index per pixel, rows from the top, and a colour
// table of exactly 256 entries (the palette, then black).
#include <array>
#include <cstdint>
#include <vector>

#include "image/palettes.h"

namespace nimbrel {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height, tightly packed
    std::array<Rgb, 256> colorTable{};

    bool empty() const { return width <= 0 || height <= 0 || pixels.empty(); }
    std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint8_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

}  // namespace nimbrel
