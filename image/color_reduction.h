#pragma once
// Turns a 24-bit image into an indexed one: builds the palette of the chosen
// reduction, then walks the pixels through the chosen dither engine.
// Buttons are mostly a handful of flat colours that the palette holds
// exactly; then no dither has an error to spread, and the pixels are mapped
// straight through the lookup.
#include <memory>

#include "image/color_lookup.h"
#include "image/dither_engine.h"
#include "image/gif_options.h"
#include "image/image.h"
#include "image/indexed_image.h"

namespace nimbrel {

// Fails with "Invalid Bits Per Pixel value" for reduction bits outside 3 to 8
// (they matter only to the optimal palette). The source is not changed.
IndexedImage reduceColors(const Bgr24View& source, ColorReduction reduction, DitherMethod dither,
                          int reductionBits);

// The palette of a reduction; the optimal ones are built from the image.
Palette buildPalette(const Bgr24View& source, ColorReduction reduction, int reductionBits);
// An engine behind the virtual interface, for any lookup.
std::unique_ptr<DitherEngine> makeDitherEngine(DitherMethod method, int width, ColorLookup& lookup);

// The serpentine conversion loop on its own, for any engine.
void convertPixels(const Bgr24View& source, DitherEngine& engine, IndexedImage& out);

}  // namespace nimbrel
