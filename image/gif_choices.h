#pragma once
// The choices of the GIF output, one table per option: the value, its name on
// the command line, its label in the window ("&&" shows one "&", "[*]" marks
// the recommended item) and the words the command-line help adds to the name.
// The window's radio groups, the command line, its help and the shell
// completion are all built from these tables; a group's item index is the
// row's position, which is what the settings file stores.
#include <cstddef>
#include <string_view>

#include "image/gif_options.h"

namespace nimbrel {

template <class Value>
struct GifChoice {
    Value value;
    std::string_view name;
    std::string_view label;
    std::string_view help;
};

inline constexpr GifChoice<ColorReduction> kColorReductionChoices[] = {
    {ColorReduction::Windows20, "windows20", "Windows Standard (20 colors)", "Windows 20 colours"},
    {ColorReduction::Windows256, "windows256", "Windows (256 colors)", "Windows 256 colours"},
    {ColorReduction::BlackAndWhite, "bw", "Black && White", "black and white"},
    {ColorReduction::Grayscale, "grey", "GrayScale (256 shades)", "greyscale"},
    {ColorReduction::Web216, "web216", "Netscape (216 colors)", "web 216 colours"},
    {ColorReduction::Optimal, "optimal", "Optimal (256 colors) [*]", ""},
    {ColorReduction::OptimalWithSystemColors, "optimal-system", "Optimal Win (includes 20 WinSys colors)",
     "optimal with the 20 system colours"},
};

inline constexpr GifChoice<DitherMethod> kDitherChoices[] = {
    {DitherMethod::Nearest, "none", "Nearest color w/o Error Correction [*]", "nearest colour"},
    {DitherMethod::FloydSteinberg, "floyd-steinberg", "Floyd Steinberg Error Diffusion", ""},
    {DitherMethod::Stucki, "stucki", "Stucki Error Diffusion", ""},
    {DitherMethod::Sierra, "sierra", "Sierra Error Diffusion", ""},
    {DitherMethod::JarvisJudiceNinke, "jjn", "Jarvis, Judice && Ninke Error Diffusion",
     "Jarvis-Judice-Ninke"},
    {DitherMethod::StevensonArce, "stevenson-arce", "Stevenson && Arche Error Diffusion", ""},
    {DitherMethod::Burkes, "burkes", "Burkes Error Diffusion", ""},
};

inline constexpr GifChoice<GifCompression> kCompressionChoices[] = {
    {GifCompression::Lzw, "lzw", "LZW", ""},
    {GifCompression::Rle, "rle", "RLE", ""},
};

// The bits of the optimal palette; the command line takes the number itself.
inline constexpr GifChoice<int> kReductionBitsChoices[] = {
    {3, "3", "3-bits (8-colors)", ""},   {4, "4", "4-bits (16-colors)", ""},
    {5, "5", "5-bits (32-colors)", ""},  {6, "6", "6-bits (64-colors)", ""},
    {7, "7", "7-bits (128 colors)", ""}, {8, "8", "8-bits (256 colors) [*]", ""},
};
static_assert(kReductionBitsChoices[0].value == kMinReductionBits &&
              kReductionBitsChoices[std::size(kReductionBitsChoices) - 1].value == kMaxReductionBits);

}  // namespace nimbrel
