#pragma once
// Anti-aliased captions: the text is drawn black on white at N times the size,
// and each target pixel takes the caption colour in proportion to the ink that
// covers its N x N block, blended towards a flat colour.
#include <string>

#include "core/raster_surface.h"

namespace nimbrel {

// Mixes one pixel: each channel blend + (caption - blend) x coverage, halves to even.
Color blendTowards(Color captionColor, Color blendColor, double coverage);

// `font` is the caption font of the target surface. Only target pixels inside the
// caption's cells with some ink change; positions outside the target are ignored.
void antiAliasedTextOut(RasterBitmap& target, const RasterFont& font, Color captionColor, Color blendColor,
                        int x, int y, const std::string& text, int factor);
// The same with the caption's cell in `font` already measured.
void antiAliasedTextOut(RasterBitmap& target, const RasterFont& font, Color captionColor, Color blendColor,
                        int x, int y, const std::string& text, int factor, TextExtent cell);

}  // namespace nimbrel
