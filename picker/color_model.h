#pragma once
// Conversions between the picker's two forms of a colour: three 8-bit channels
// and three hue, saturation and value fractions (0 to 1, hue as a fraction of a
// full turn). Plain functions on numbers: the field calls them 65,536 times per
// redraw, so nothing here allocates.
#include <cstdint>
#include <string>

#include "image/color.h"

namespace nimbrel {

struct Hsv {
    double h = 0;  // 0 <= h < 1 from channels; 1 also means hue 0
    double s = 0;
    double v = 0;
};

// A grey (black and white included) always gets hue 0.
Hsv rgbToHsv(int r, int g, int b);
// Arguments must lie in 0..1. Inline: the field calls it for every pixel.
inline Rgb hsvToRgb(double h, double s, double v);
Color hsvToColor(double h, double s, double v);

// Every channel snapped to the nearest multiple of 51.
Color webSafeColor(int r, int g, int b);

// Six upper-case digits, red first: (255, 128, 0) -> "FF8000".
std::string rgbToHexText(int r, int g, int b);
// 0..15 for the digits 0-9, A-F and a-f; -1 for any other character.
inline int hexDigitValue(char32_t c)
{
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    return -1;
}

// The first 8 characters read as hexadecimal digits (either case); any other
// character, or an empty text, gives 0.
std::uint32_t hexToInt(const std::string& text);
// The number from hexToInt as channels: bits 16..23 red, 8..15 green, 0..7 blue,
// so a short text is right-aligned ("FF" is pure blue).
Rgb hexNumberToRgb(std::uint32_t n);

inline Color colorOf(const Rgb& c)
{
    return makeColor(c.r, c.g, c.b);
}
inline Rgb rgbOf(Color c)
{
    return {redOf(c), greenOf(c), blueOf(c)};
}

namespace colormodel_detail {
// Nearest integer, exact halves to the even neighbour. Adding and taking away
// 1.5 * 2^52 leaves no bits below the unit, so the hardware's round-to-nearest-even
// does the rounding; this is several times faster than a library call per pixel.
inline std::uint8_t roundToByte(double x)
{
    constexpr double kShift = 6755399441055744.0;
    const double shifted = x + kShift;
    return static_cast<std::uint8_t>(static_cast<int>(shifted - kShift));
}

// The red, green and blue fractions of a hue, saturation and value.
struct Fractions {
    double red, green, blue;
};

inline Fractions channelFractions(double h, double s, double v)
{
    if (s == 0) return {v, v, v};
    if (h == 1) h = 0;
    const double h6 = h * 6;
    const int i = static_cast<int>(h6);
    const double f = h6 - i;
    const double p = (1 - s) * v;
    const double q = (1 - s * f) * v;
    const double t = (1 - (1 - f) * s) * v;
    switch (i) {
        case 0:
            return {v, t, p};
        case 1:
            return {q, v, p};
        case 2:
            return {p, v, t};
        case 3:
            return {p, q, v};
        case 4:
            return {t, p, v};
        default:
            return {v, p, q};
    }
}

}  // namespace colormodel_detail

inline Rgb hsvToRgb(double h, double s, double v)
{
    using namespace colormodel_detail;
    const Fractions f = channelFractions(h, s, v);
    return {roundToByte(f.red * 255), roundToByte(f.green * 255), roundToByte(f.blue * 255)};
}

}  // namespace nimbrel
