#include "core/anti_alias.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace nimbrel {
namespace {

std::uint8_t blendChannel(int caption, int blend, double coverage)
{
    // Halves go to the even neighbour (the default rounding mode).
    return static_cast<std::uint8_t>(std::nearbyint(blend + (caption - blend) * coverage));
}

// Adds each cell's red bytes of one scratch row: the whole cells first to
// inside - 1, with the cell width known to the compiler where it can be.
template <int Factor>
void addWholeCells(const uchar* red, int first, int inside, int factor, int* sums)
{
    const int width = Factor > 0 ? Factor : factor;
    for (int c = first; c < inside; ++c) {
        const uchar* p = red + 3 * width * c;
        int s = 0;
        for (int a = 0; a < width; ++a) s += p[3 * a];
        sums[c] += s;
    }
}

// The ink of one row of target pixels: for cells first to last - 1 of factor x
// factor scratch pixels starting at scratch row `top`, the sum of their red
// bytes, scratch pixels outside the scratch counting as white (255). Each
// scratch row is fetched once.
void sumCellRow(const QImage& scratch, int top, int factor, int first, int last, std::vector<int>& sums)
{
    std::fill(sums.begin() + first, sums.begin() + last, 0);
    const int sw = scratch.width(), sh = scratch.height();
    const int inside = std::clamp(sw / factor, first, last);  // cells wholly inside the scratch's width
    const uchar* bits = scratch.constBits();
    const qsizetype stride = scratch.bytesPerLine();
    for (int b = 0; b < factor; ++b) {
        const int sy = top + b;
        if (sy >= sh) {
            for (int c = first; c < last; ++c) sums[c] += 255 * factor;
            continue;
        }
        const uchar* red = bits + sy * stride + 2;
        switch (factor) {
            case 2: addWholeCells<2>(red, first, inside, factor, sums.data()); break;
            case 3: addWholeCells<3>(red, first, inside, factor, sums.data()); break;
            case 4: addWholeCells<4>(red, first, inside, factor, sums.data()); break;
            default: addWholeCells<0>(red, first, inside, factor, sums.data()); break;
        }
        for (int c = inside; c < last; ++c)
            for (int a = 0; a < factor; ++a) {
                const int sx = c * factor + a;
                sums[c] += sx < sw ? red[3 * sx] : 255;
            }
    }
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
    antiAliasedTextOut(target, font, captionColor, blendColor, x, y, text, factor, measureText(font, text));
}

void antiAliasedTextOut(RasterBitmap& target, const RasterFont& font, Color captionColor, Color blendColor,
                        int x, int y, const std::string& text, int factor, TextExtent cell)
{
    int tw = cell.width;
    int th = cell.height;
    // The scratch reaches ten cells beyond the text cell; scratch pixels past
    // its edge count as white.
    const int scratchCellsWide = tw + 10, scratchCellsHigh = th + 10;

    RasterFont scratchFont = font;
    scratchFont.sizePt = font.sizePt * factor;
    scratchFont.color = 0x00000000;

    // Whole-point scaling rarely gives exactly N times the size: grow the cell
    // grid until it covers all of the scaled text.
    const TextExtent scaled = measureText(scratchFont, text);
    while (scaled.width > tw * factor) ++tw;
    while (scaled.height > th * factor) ++th;

    if (tw <= 0 || th <= 0) return;

    // Only the cells summed below are made: drawing is clipped at the edge,
    // which changes no pixel inside.
    RasterBitmap scratch(std::min(tw, scratchCellsWide) * factor, std::min(th, scratchCellsHigh) * factor);
    RasterSurface surface(scratch);
    surface.font = scratchFont;

    // The scratch is new and white, so the white cell behind the text needs no fill.
    surface.transparentText = true;
    surface.drawText(0, 0, text);

    // Only the cells that land on the target are summed and written.
    const long long W = target.width(), H = target.height();
    const int c0 = static_cast<int>(std::clamp(-static_cast<long long>(x), 0LL, static_cast<long long>(tw)));
    const int c1 = static_cast<int>(std::clamp(W - x, static_cast<long long>(c0), static_cast<long long>(tw)));
    const int r0 = static_cast<int>(std::clamp(-static_cast<long long>(y), 0LL, static_cast<long long>(th)));
    const int r1 = static_cast<int>(std::clamp(H - y, static_cast<long long>(r0), static_cast<long long>(th)));
    if (c0 >= c1) return;

    const int full = factor * factor * 255;
    // A cell's colour depends on its sum alone: each sum is blended once.
    constexpr Color kNotBlended = 0xFFFFFFFF;
    std::vector<Color> blended(static_cast<std::size_t>(full) + 1, kNotBlended);
    std::vector<int> sums(static_cast<std::size_t>(tw));
    uchar* targetBits = target.image().bits();
    const qsizetype targetStride = target.image().bytesPerLine();
    for (int r = r0; r < r1; ++r) {
        sumCellRow(scratch.image(), r * factor, factor, c0, c1, sums);
        uchar* out = targetBits + (y + r) * targetStride + 3 * (static_cast<long long>(x) + c0);
        for (int c = c0; c < c1; ++c, out += 3) {
            const int sum = sums[c];
            if (sum == full) continue;  // no ink
            Color& mixed = blended[static_cast<std::size_t>(sum)];
            if (mixed == kNotBlended) {
                const double coverage = 1.0 - static_cast<double>(sum) / static_cast<double>(full);
                mixed = blendTowards(captionColor, blendColor, coverage);
            }
            out[0] = blueOf(mixed);
            out[1] = greenOf(mixed);
            out[2] = redOf(mixed);
        }
    }
}

}  // namespace nimbrel
