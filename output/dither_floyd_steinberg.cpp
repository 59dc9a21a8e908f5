#include "output/dither_floyd_steinberg.h"

namespace nimbrel {

TFloydSteinbergDitherer::TFloydSteinbergDitherer(int width, TColorLookup& lookup)
    : TDitherEngine(width, lookup), errors_(static_cast<std::size_t>(width + 2) * 3, 0)
{
}

int TFloydSteinbergDitherer::Dither(int red, int green, int blue)
{
    const int d = direction_;
    int* here = &errors_[static_cast<std::size_t>(position_ + d) * 3];
    const int source[3] = {red, green, blue};
    int corrected[3];
    for (int c = 0; c < 3; ++c) corrected[c] = correct(source[c], ahead_[c] + here[c], 16);

    Rgb chosen;
    const int index = lookup_.Lookup(corrected[0], corrected[1], corrected[2], chosen);
    const int picked[3] = {chosen.r, chosen.g, chosen.b};

    int* behind = &errors_[static_cast<std::size_t>(position_) * 3];
    for (int c = 0; c < 3; ++c) {
        const int e = corrected[c] - picked[c];
        behind[c] = belowPrevious_[c] + 3 * e;
        belowPrevious_[c] = below_[c] + 5 * e;
        below_[c] = e;
        ahead_[c] = 7 * e;
    }
    position_ += d;
    column_ += d;
    return index;
}

void TFloydSteinbergDitherer::NextLine()
{
    int* last = &errors_[static_cast<std::size_t>(position_) * 3];
    for (int c = 0; c < 3; ++c) {
        last[c] = belowPrevious_[c];
        ahead_[c] = below_[c] = belowPrevious_[c] = 0;
    }
    TDitherEngine::NextLine();
    position_ = direction_ > 0 ? 0 : width_ + 1;
}

}  // namespace nimbrel
