#include "core/anti_alias.h"

#include <cmath>

namespace nimbrel {
namespace {

std::uint8_t blendChannel(int caption, int blend, double coverage)
{
    // Halves go to the even neighbour (the default rounding mode).
    return static_cast<std::uint8_t>(std::nearbyint(blend + (caption - blend) * coverage));
}

}  // namespace

Color blendTowards(Color captionColor, Color blendColor, double coverage)
{
    return makeColor(blendChannel(redOf(captionColor), redOf(blendColor), coverage),
                     blendChannel(greenOf(captionColor), greenOf(blendColor), coverage),
                     blendChannel(blueOf(captionColor), blueOf(blendColor), coverage));
}

void antiAliasedTextOut(RasterBitmap& target, const RasterFont& font, Color captionColor, Color blendColor,
                        int x, int y, const std::string& text, int factor)
{
    const TextExtent cell = measureText(font, text);
    int tw = cell.width;
    int th = cell.height;

    RasterBitmap scratch((tw + 10) * factor, (th + 10) * factor);
    RasterSurface surface(scratch);
    surface.font = font;
    surface.font.sizePt = font.sizePt * factor;
    surface.font.color = 0x00000000;

    // Whole-point scaling rarely gives exactly N times the size: grow the cell
    // grid until it covers all of the scaled text.
    const TextExtent scaled = measureText(surface.font, text);
    while (scaled.width > tw * factor) ++tw;
    while (scaled.height > th * factor) ++th;

    surface.brush = 0x00FFFFFF;
    surface.transparentText = false;
    surface.textOut(0, 0, text);
    if (tw <= 0) return;

    const double full = static_cast<double>(factor) * factor * 255.0;
    const int sw = scratch.width(), sh = scratch.height();
    for (int c = 0; c < tw; ++c) {
        for (int r = 0; r < th; ++r) {
            double sum = 0.0;
            for (int a = 0; a < factor; ++a) {
                const int sx = c * factor + a;
                for (int b = 0; b < factor; ++b) {
                    const int sy = r * factor + b;
                    // Only the red byte is read; outside the scratch counts as white.
                    sum += (sx < sw && sy < sh) ? scratch.image().constScanLine(sy)[sx * 3 + 2] : 255;
                }
            }
            const double coverage = 1.0 - sum / full;
            if (coverage == 0.0) continue;
            target.setPixel(x + c, y + r, blendTowards(captionColor, blendColor, coverage));
        }
    }
}

}  // namespace nimbrel
