#pragma once
// Colour values are 0x00BBGGRR: red in the low byte. A top byte of 0xFF names a
// system colour (resolved by the user interface, never stored in pixels).
#include <cstdint>

namespace nimbrel {

using Color = std::uint32_t;

constexpr std::uint8_t redOf(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
// A colour as three 8-bit channels, for palettes and colour maths.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

constexpr Color makeColor(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

}  // namespace nimbrel
