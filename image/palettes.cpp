#include "image/palettes.h"

namespace nimbrel {
namespace {

Palette makeWeb216()
{
    Palette p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back({std::uint8_t(51 * r), std::uint8_t(51 * g), std::uint8_t(51 * b)});
    return p;
}

// The halftone palette is the 6 x 6 x 6 cube of web216Palette() (entries 0 to
// 215, spread evenly over the colour cube) followed by 40 greys (entries 216 to
// 255, ascending) that fill the grey axis between the cube's six greys: the
// greys round(k * 255 / 45) for k = 0 to 45 without the multiples of 9, which
// are the cube's own greys 0, 51, ..., 255. So every step of the cube's grey
// diagonal is split into nine, and the flat greys of button faces (for example
// 192, 192, 192 -> entry 249 = 193) come out without dithering noise.
Palette makeHalftone256()
{
    Palette p = makeWeb216();
    for (int k = 0; k <= 45; ++k) {
        if (k % 9 == 0) continue;
        const auto v = static_cast<std::uint8_t>((k * 255 * 2 + 45) / 90);
        p.push_back({v, v, v});
    }
    return p;
}

Palette makeGrayscale()
{
    Palette p;
    for (int i = 0; i < 256; ++i) p.push_back({std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)});
    return p;
}

}  // namespace

const Palette& staticColors20()
{
    static const Palette colors = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
    };
    return colors;
}

const Palette& halftone256()
{
    static const Palette colors = makeHalftone256();
    return colors;
}

const Palette& blackAndWhitePalette()
{
    static const Palette colors = {{0, 0, 0}, {255, 255, 255}};
    return colors;
}

const Palette& grayscalePalette()
{
    static const Palette colors = makeGrayscale();
    return colors;
}

const Palette& web216Palette()
{
    static const Palette colors = makeWeb216();
    return colors;
}

}  // namespace nimbrel
