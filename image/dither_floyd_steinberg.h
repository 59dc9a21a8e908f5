#pragma once
// Floyd-Steinberg error diffusion (7 ahead; 3, 5, 1 on the next row, out of
// 16) in its carried-value form: one error row per channel, the share for the
// pixel ahead carried in a register and the shares for the row below summed
// up as the walk passes over them.
#include <array>
#include <vector>

#include "image/dither_engine.h"

namespace nimbrel {

class FloydSteinbergDitherer : public DitherEngine {
public:
    FloydSteinbergDitherer(int width, ColorLookup& lookup);
    int dither(int red, int green, int blue) override;
    void nextLine() override;

private:
    void spread(int* behind, int c, int e)
    {
        behind[c] = belowPrevious_[c] + 3 * e;
        belowPrevious_[c] = below_[c] + 5 * e;
        below_[c] = e;
        ahead_[c] = 7 * e;
    }

    // Cell k of a channel's row belongs to column k - 1; cells 0 and W + 1 are
    // margins. Channels are interleaved: cell k of channel c is errors_[4k + c].
    std::vector<int> errors_;
    std::array<int, kLanes> ahead_{};
    std::array<int, kLanes> below_{};
    std::array<int, kLanes> belowPrevious_{};
    int position_ = 0;
};

}  // namespace nimbrel
