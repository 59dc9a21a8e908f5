#include "image/color_reduction.h"

#include <algorithm>

#include "image/dither_error_diffusion.h"
#include "image/dither_floyd_steinberg.h"
#include "base/error.h"
#include "image/octree_quantizer.h"

namespace nimbrel {
namespace {

Palette octreeColors(const Bgr24View& source, int maxColors)
{
    ColorQuantizer quantizer(maxColors, 8);
    quantizer.processImage(source);
    return quantizer.colorTable();
}

// Slots 0 to 9 and 246 to 255 keep the static colours whatever the image; the
// octree colours fill slots from 10. Slots the octree leaves unused hold black,
// a copy of slot 0, so the lookup never picks them.
Palette withSystemColors(const Palette& octree)
{
    const Palette& fixed = staticColors20();
    Palette p(256, Rgb{0, 0, 0});
    std::copy(fixed.begin(), fixed.begin() + 10, p.begin());
    std::copy(octree.begin(), octree.begin() + std::min<std::size_t>(octree.size(), 236), p.begin() + 10);
    std::copy(fixed.begin() + 10, fixed.end(), p.begin() + 246);
    return p;
}

}  // namespace

Palette buildPalette(const Bgr24View& source, ColorReduction reduction, int reductionBits)
{
    switch (reduction) {
        case ColorReduction::Windows20:
            return staticColors20();
        case ColorReduction::Windows256:
            return halftone256();
        case ColorReduction::BlackAndWhite:
            return blackAndWhitePalette();
        case ColorReduction::Grayscale:
            return grayscalePalette();
        case ColorReduction::Web216:
            return web216Palette();
        // Only the colours the octree found: slots it leaves unused are black in
        // the colour table but never offered to the lookup, so a dark pixel
        // cannot land on a black the image does not have.
        case ColorReduction::Optimal:
            return octreeColors(source, 1 << reductionBits);
        case ColorReduction::OptimalWithSystemColors:
            return withSystemColors(octreeColors(source, 236));
    }
    return {};
}

std::unique_ptr<ColorLookup> makeColorLookup(ColorReduction reduction, const Palette& palette)
{
    switch (reduction) {
        case ColorReduction::BlackAndWhite:
            return std::make_unique<MonochromeLookup>();
        case ColorReduction::Grayscale:
            return std::make_unique<GrayScaleLookup>();
        case ColorReduction::Web216:
            return std::make_unique<WebColorLookup>();
        default:
            return std::make_unique<FastColorLookup>(palette);
    }
}

std::unique_ptr<DitherEngine> makeDitherEngine(DitherMethod method, int width, ColorLookup& lookup)
{
    switch (method) {
        case DitherMethod::Nearest:
            return std::make_unique<DitherEngine>(width, lookup);
        case DitherMethod::FloydSteinberg:
            return std::make_unique<FloydSteinbergDitherer>(width, lookup);
        default:
            return std::make_unique<ErrorDiffusionDitherer>(width, lookup, diffusionKernel(method));
    }
}

void convertPixels(const Bgr24View& source, DitherEngine& engine, IndexedImage& out)
{
    const int width = source.width;
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* indexes = out.row(y);
        for (int x = engine.column(); x >= 0 && x < width; x = engine.column()) {
            const std::uint8_t* p = in + 3 * x;
            indexes[x] = static_cast<std::uint8_t>(engine.dither(p[2], p[1], p[0]));
        }
        engine.nextLine();
    }
}

IndexedImage reduceColors(const Bgr24View& source, ColorReduction reduction, DitherMethod dither,
                          int reductionBits)
{
    if (reductionBits < kMinReductionBits || reductionBits > kMaxReductionBits)
        throw Error("Invalid Bits Per Pixel value");
    IndexedImage out;
    if (source.empty()) return out;
    const Palette palette = buildPalette(source, reduction, reductionBits);
    if (palette.empty()) return out;

    const std::unique_ptr<ColorLookup> lookup = makeColorLookup(reduction, palette);
    const std::unique_ptr<DitherEngine> engine = makeDitherEngine(dither, source.width, *lookup);
    out.width = source.width;
    out.height = source.height;
    out.pixels.assign(static_cast<std::size_t>(source.width) * source.height, 0);
    std::copy(palette.begin(), palette.begin() + std::min<std::size_t>(palette.size(), 256),
              out.colorTable.begin());
    convertPixels(source, *engine, out);
    return out;
}

}  // namespace nimbrel
