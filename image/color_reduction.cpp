#include "image/color_reduction.h"

#include <algorithm>

#include "image/dither_error_diffusion.h"
#include "image/dither_floyd_steinberg.h"
#include "base/error.h"
#include "image/exact_colors.h"
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

std::unique_ptr<DitherEngine> makeDitherEngine(DitherMethod method, int width, ColorLookup& lookup)
{
    switch (method) {
        case DitherMethod::Nearest:
            return std::make_unique<DitherEngineOf<NearestDitherer<ColorLookup>>>(width, lookup);
        case DitherMethod::FloydSteinberg:
            return std::make_unique<DitherEngineOf<FloydSteinbergDitherer<ColorLookup>>>(width, lookup);
        default:
            return std::make_unique<DitherEngineOf<ErrorDiffusionDitherer<ColorLookup>>>(width, lookup,
                                                                                         diffusionKernel(method));
    }
}

void convertPixels(const Bgr24View& source, DitherEngine& engine, IndexedImage& out)
{
    walkPixels(source, engine, out);
}

namespace {

// Every pixel straight through the lookup, in the serpentine order of the
// engines (the fast lookup's answers depend on the order of its questions).
// A pixel like the one before it takes the same index without asking again,
// which leaves the lookup as it was. With exactOnly, stops and returns false
// at the first pixel whose palette colour is not its own colour: up to there,
// every engine would have made the same calls with no error to spread, so the
// lookup is still in the state the engine expects.
template <class Lookup>
bool mapDirectly(const Bgr24View& source, Lookup& lookup, IndexedImage& out, bool exactOnly)
{
    const int width = source.width;
    Color lastColor = 0xFFFFFFFF;  // no pixel colour has a top byte
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* indexes = out.row(y);
        const bool forward = y % 2 == 0;
        for (int k = 0; k < width; ++k) {
            const int x = forward ? k : width - 1 - k;
            const std::uint8_t* p = in + 3 * x;
            const Color color = makeColor(p[2], p[1], p[0]);
            if (color != lastColor) {
                const LookupResult chosen = lookup.lookup(p[2], p[1], p[0]);
                if (exactOnly && chosen.color != color) return false;
                lastColor = color;
                lastIndex = static_cast<std::uint8_t>(chosen.index);
            }
            indexes[x] = lastIndex;
        }
    }
    return true;
}

template <class Lookup>
void convert(const Bgr24View& source, DitherMethod method, Lookup& lookup, IndexedImage& out)
{
    if (method == DitherMethod::Nearest) {
        mapDirectly(source, lookup, out, false);
        return;
    }
    if (mapDirectly(source, lookup, out, true)) return;
    if (method == DitherMethod::FloydSteinberg) {
        FloydSteinbergDitherer<Lookup> engine(source.width, lookup);
        walkPixels(source, engine, out);
    } else {
        ErrorDiffusionDitherer<Lookup> engine(source.width, lookup, diffusionKernel(method));
        walkPixels(source, engine, out);
    }
}

template <class Lookup, class... Args>
void convertWith(const Bgr24View& source, DitherMethod method, IndexedImage& out, Args&&... lookupArgs)
{
    Lookup lookup(std::forward<Args>(lookupArgs)...);
    convert(source, method, lookup, out);
}

}  // namespace

IndexedImage reduceColors(const Bgr24View& source, ColorReduction reduction, DitherMethod dither,
                          int reductionBits)
{
    if (reductionBits < kMinReductionBits || reductionBits > kMaxReductionBits)
        throw Error("Invalid Bits Per Pixel value");
    IndexedImage out;
    if (source.empty()) return out;
    if (reduction == ColorReduction::Optimal && reduceToExactColors(source, 1 << reductionBits, out)) return out;
    const Palette palette = buildPalette(source, reduction, reductionBits);
    if (palette.empty()) return out;

    out.width = source.width;
    out.height = source.height;
    out.pixels.assign(static_cast<std::size_t>(source.width) * source.height, 0);
    std::copy(palette.begin(), palette.begin() + std::min<std::size_t>(palette.size(), 256),
              out.colorTable.begin());
    switch (reduction) {
        case ColorReduction::BlackAndWhite:
            convertWith<MonochromeLookup>(source, dither, out);
            break;
        case ColorReduction::Grayscale:
            convertWith<GrayScaleLookup>(source, dither, out);
            break;
        case ColorReduction::Web216:
            convertWith<WebColorLookup>(source, dither, out);
            break;
        default:
            convertWith<FastColorLookup>(source, dither, out, palette);
            break;
    }
    return out;
}

}  // namespace nimbrel
