#pragma once
// The fixed palettes of the colour reduction choices. Palette order matters:
// the index of a colour is the pixel value written to the GIF file.
#include <cstdint>
#include <vector>

#include "image/color.h"

namespace nimbrel {

using Palette = std::vector<Rgb>;

// The 20 static colours of the classic desktop default palette.
const Palette& staticColors20();
// A fixed 256-entry halftone palette (how it is built: see palettes.cpp).
const Palette& halftone256();
const Palette& blackAndWhitePalette();
const Palette& grayscalePalette();
// The 6 x 6 x 6 cube: entry 36r + 6g + b = (51r, 51g, 51b).
const Palette& web216Palette();

}  // namespace nimbrel
