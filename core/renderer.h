#pragma once
// Drawing one button image from a style and a caption. Knows nothing of widgets:
// the window, saving, batch creation and the command-line program all call it.
#include <string>

#include "core/button_style.h"
#include "core/raster_surface.h"

namespace nimbrel {

// The longest caption drawn, in bytes of UTF-8: far more than any button shows,
// small enough that measuring and drawing it stays quick.
constexpr std::size_t kMaxCaptionBytes = 4096;

// Applies the caption font of a style to a surface font: an empty face keeps the
// surface's face, an unknown style number keeps its bold and italic.
void applyCaptionFont(const ButtonStyle& style, RasterFont& font);

// Draws the button into `button` (replaced whole), system colours resolved as
// the colour panels show them. `measuringFont` is the font
// state of the surface the caption is measured on (the preview's); it is updated
// with the caption font first, as a surface would be. An imported bitmap that
// exists but does not load throws nimbrel::Error after the background and the
// bitmaps before it have been drawn: `button` then holds that partial image.
//
// At a scale k above 1 the button is exactly k times the 1x button in each
// direction: sizes, borders, offsets and bitmap places are those of 1x times k,
// imported bitmaps are enlarged by pixel repetition, and the caption is drawn
// afresh with the font at k times its pixel size, placed by the same rule.
// A caption longer than kMaxCaptionBytes, or a font or text too large to
// measure, throws before anything is drawn.
// Returns the caption's cell at 1x as measured on the measuring surface.
TextExtent renderButton(const ButtonStyle& style, const std::string& caption, RasterFont& measuringFont,
                        RasterBitmap& button, int scale = 1);

// The button at `scale` times its size as plain pixels, for saving the
// high-density copies; `measuringFont` is left as it was.
Bgr24Image renderScaledButton(const ButtonStyle& style, const std::string& caption, RasterFont measuringFont,
                              int scale);

}  // namespace nimbrel
