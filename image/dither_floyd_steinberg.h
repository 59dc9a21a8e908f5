#pragma once
// Floyd-Steinberg error diffusion (7 ahead; 3, 5, 1 on the next row, out of
// 16) in its carried-value form: one error row per channel, the share for the
// pixel ahead carried in a register and the shares for the row below summed
// up as the walk passes over them.
#include <array>
#include <vector>

#include "image/dither_engine.h"

namespace nimbrel {

template <class Lookup>
class FloydSteinbergDitherer : public SerpentineWalk {
public:
    FloydSteinbergDitherer(int width, Lookup& lookup)
        : SerpentineWalk(width), lookup_(lookup), errors_(static_cast<std::size_t>(width + 2) * kLanes, 0)
    {
    }

    int dither(int red, int green, int blue)
    {
        const int d = direction_;
        const int* here = &errors_[static_cast<std::size_t>(position_ + d) * kLanes];
        const int r = dither::correct(red, ahead_[0] + here[0], 16);
        const int g = dither::correct(green, ahead_[1] + here[1], 16);
        const int b = dither::correct(blue, ahead_[2] + here[2], 16);
        const LookupResult chosen = lookup_.lookup(r, g, b);
        int* behind = &errors_[static_cast<std::size_t>(position_) * kLanes];
        spread(behind, 0, r - redOf(chosen.color));
        spread(behind, 1, g - greenOf(chosen.color));
        spread(behind, 2, b - blueOf(chosen.color));
        position_ += d;
        step();
        return chosen.index;
    }

    void nextLine()
    {
        int* last = &errors_[static_cast<std::size_t>(position_) * kLanes];
        for (int c = 0; c < kLanes; ++c) {
            last[c] = belowPrevious_[c];
            ahead_[c] = below_[c] = belowPrevious_[c] = 0;
        }
        SerpentineWalk::nextLine();
        position_ = direction_ > 0 ? 0 : width_ + 1;
    }

private:
    static constexpr int kLanes = dither::kLanes;

    void spread(int* behind, int c, int e)
    {
        behind[c] = belowPrevious_[c] + 3 * e;
        belowPrevious_[c] = below_[c] + 5 * e;
        below_[c] = e;
        ahead_[c] = 7 * e;
    }

    Lookup& lookup_;
    // Cell k of a channel's row belongs to column k - 1; cells 0 and W + 1 are
    // margins. Channels are interleaved: cell k of channel c is errors_[4k + c].
    std::vector<int> errors_;
    std::array<int, kLanes> ahead_{};
    std::array<int, kLanes> below_{};
    std::array<int, kLanes> belowPrevious_{};
    int position_ = 0;
};

}  // namespace nimbrel
