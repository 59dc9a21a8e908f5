#include "picker/color_model.h"

#include <algorithm>
#include <cmath>

namespace nimbrel {

Hsv rgbToHsv(int r, int g, int b)
{
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    const int delta = max - min;
    const double v255 = max;
    const double s255 = max != 0 ? delta * 255.0 / max : 0.0;
    double h255 = 0;
    if (s255 != 0) {
        double h;
        if (max == r)
            h = static_cast<double>(g - b) / delta;
        else if (max == g)
            h = static_cast<double>(b - r) / delta + 2;
        else
            h = static_cast<double>(r - g) / delta + 4;
        double degrees = h * 60;
        if (degrees < 0) degrees += 360;
        h255 = 255 * degrees / 360;
    }
    return {h255 / 255, s255 / 255, v255 / 255};
}

Color hsvToColor(double h, double s, double v)
{
    return colorOf(hsvToRgb(h, s, v));
}

Color webSafeColor(int r, int g, int b)
{
    auto snap = [](int c) { return 51 * static_cast<int>(std::floor(c * 5 / 255.0 + 0.5)); };
    return makeColor(snap(r), snap(g), snap(b));
}

std::string rgbToHexText(int r, int g, int b)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    const int channels[3] = {r, g, b};
    for (int k = 0; k < 3; ++k) {
        text[2 * k] = digits[(channels[k] >> 4) & 0xF];
        text[2 * k + 1] = digits[channels[k] & 0xF];
    }
    return text;
}

std::uint32_t hexToInt(const std::string& text)
{
    const std::size_t length = std::min<std::size_t>(text.size(), 8);
    std::uint32_t result = 0;
    std::uint32_t weight = 1;
    for (std::size_t k = length; k-- > 0;) {
        const int digit = hexDigitValue(static_cast<unsigned char>(text[k]));
        if (digit < 0) return 0;
        result += static_cast<std::uint32_t>(digit) * weight;
        weight *= 16;
    }
    return result;
}

Rgb hexNumberToRgb(std::uint32_t n)
{
    return {static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 8),
            static_cast<std::uint8_t>(n)};
}

}  // namespace nimbrel
