#include "image/dither_floyd_steinberg.h"

namespace nimbrel {

FloydSteinbergDitherer::FloydSteinbergDitherer(int width, ColorLookup& lookup)
    : DitherEngine(width, lookup), errors_(static_cast<std::size_t>(width + 2) * kLanes, 0)
{
}

int FloydSteinbergDitherer::dither(int red, int green, int blue)
{
    const int d = direction_;
    const int* here = &errors_[static_cast<std::size_t>(position_ + d) * kLanes];
    const int r = correct(red, ahead_[0] + here[0], 16);
    const int g = correct(green, ahead_[1] + here[1], 16);
    const int b = correct(blue, ahead_[2] + here[2], 16);
    const LookupResult chosen = lookup_.lookup(r, g, b);
    int* behind = &errors_[static_cast<std::size_t>(position_) * kLanes];
    spread(behind, 0, r - redOf(chosen.color));
    spread(behind, 1, g - greenOf(chosen.color));
    spread(behind, 2, b - blueOf(chosen.color));
    position_ += d;
    column_ += d;
    return chosen.index;
}

void FloydSteinbergDitherer::nextLine()
{
    int* last = &errors_[static_cast<std::size_t>(position_) * kLanes];
    for (int c = 0; c < kLanes; ++c) {
        last[c] = belowPrevious_[c];
        ahead_[c] = below_[c] = belowPrevious_[c] = 0;
    }
    DitherEngine::nextLine();
    position_ = direction_ > 0 ? 0 : width_ + 1;
}

}  // namespace nimbrel
