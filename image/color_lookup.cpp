#include "image/color_lookup.h"

#include <algorithm>
#include <cstdlib>

namespace nimbrel {

FastColorLookup::FastColorLookup(const Palette& palette)
    : ColorLookup(static_cast<int>(palette.size() < 256 ? palette.size() : 256)),
      palette_(palette.begin(), palette.begin() + colorCount()),
      cells_(new std::uint8_t[32768]),
      filled_(32768 / 64, 0)
{
    for (int i = 0; i < colorCount(); ++i) {
        packed_[i] = makeColor(palette_[i].r, palette_[i].g, palette_[i].b);
        reds_[i] = palette_[i].r;
        greens_[i] = palette_[i].g;
        blues_[i] = palette_[i].b;
    }
    // Each palette colour owns its own cell; the lowest index wins a shared cell.
    for (int i = 0; i < colorCount(); ++i) {
        const int cell = cellOf(palette_[i].r, palette_[i].g, palette_[i].b);
        if (!filled(cell)) fill(cell, i);
    }
}

// The lowest index among the entries at the smallest distance. Distances are
// computed into a table first and the minimum found in a second pass, two
// loops the compiler can vectorise.
int FastColorLookup::search(int red, int green, int blue) const
{
    const int n = colorCount();
    std::int32_t distance[256];
    for (int i = 0; i < n; ++i)
        distance[i] = std::abs(reds_[i] - red) + std::abs(greens_[i] - green) + std::abs(blues_[i] - blue);
    std::int32_t smallest = 196608;
    for (int i = 0; i < n; ++i) smallest = std::min(smallest, distance[i]);
    int best = 0;
    while (best < n - 1 && distance[best] != smallest) ++best;
    return best;
}

}  // namespace nimbrel
