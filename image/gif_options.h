#pragma once
// The four choices of the GIF output; their names and labels are in
// image/gif_choices.h.

namespace nimbrel {

enum class ColorReduction {
    Windows20 = 0,
    Windows256 = 1,
    BlackAndWhite = 2,
    Grayscale = 3,
    Web216 = 4,
    Optimal = 5,
    OptimalWithSystemColors = 6,
};

enum class DitherMethod {
    Nearest = 0,
    FloydSteinberg = 1,
    Stucki = 2,
    Sierra = 3,
    JarvisJudiceNinke = 4,
    StevensonArce = 5,
    Burkes = 6,
};

enum class GifCompression {
    Lzw = 0,
    Rle = 1,
};

constexpr int kMinReductionBits = 3;
constexpr int kMaxReductionBits = 8;

// What a GIF image uses until it is told otherwise.
inline constexpr ColorReduction kStartColorReduction = ColorReduction::Web216;
inline constexpr DitherMethod kStartDitherMethod = DitherMethod::Nearest;
inline constexpr GifCompression kStartCompression = GifCompression::Lzw;

}  // namespace nimbrel
