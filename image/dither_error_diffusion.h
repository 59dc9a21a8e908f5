#pragma once
// Error diffusion driven by a kernel table: each converted pixel spreads its
// colour error over neighbours not yet converted, with integer weights that
// are divided only when the neighbour itself is converted.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "image/dither_engine.h"
#include "image/gif_options.h"

namespace nimbrel {

// One share of the error. ahead counts along the walking direction of the row
// that produces the error (negative = behind); row 0 is that same row.
struct KernelTap {
    int row;
    int ahead;
    int weight;
};

struct DiffusionKernel {
    int divisor;
    std::vector<KernelTap> taps;
};

// The kernels of the Stucki, Sierra, Jarvis-Judice-Ninke, Stevenson-Arce and
// Burkes methods. Floyd-Steinberg has its own engine.
const DiffusionKernel& diffusionKernel(DitherMethod method);

template <class Lookup>
class ErrorDiffusionDitherer : public SerpentineWalk {
public:
    ErrorDiffusionDitherer(int width, Lookup& lookup, const DiffusionKernel& kernel)
        : SerpentineWalk(width), lookup_(lookup), kernel_(kernel)
    {
        int rowCount = 1;
        for (const KernelTap& tap : kernel.taps) {
            rowCount = std::max(rowCount, tap.row + 1);
            margin_ = std::max(margin_, std::abs(tap.ahead));
        }
        rows_.assign(rowCount, std::vector<int>(static_cast<std::size_t>(width + 2 * margin_) * kLanes, 0));
    }

    int dither(int red, int green, int blue)
    {
        const int d = direction_;
        const int cell = column_ + margin_;
        const int* gathered = &rows_[0][static_cast<std::size_t>(cell) * kLanes];
        const int divisor = kernel_.divisor;
        const int r = dither::correct(red, gathered[0], divisor);
        const int g = dither::correct(green, gathered[1], divisor);
        const int b = dither::correct(blue, gathered[2], divisor);
        const LookupResult chosen = lookup_.lookup(r, g, b);
        const int error[kLanes] = {r - redOf(chosen.color), g - greenOf(chosen.color),
                                   b - blueOf(chosen.color), 0};
        if (error[0] | error[1] | error[2]) {
            for (const KernelTap& tap : kernel_.taps) {
                int* target = &rows_[tap.row][static_cast<std::size_t>(cell + tap.ahead * d) * kLanes];
                for (int c = 0; c < kLanes; ++c) target[c] += tap.weight * error[c];
            }
        }
        step();
        return chosen.index;
    }

    void nextLine()
    {
        // The finished row's buffer is cleared and reused as the farthest row.
        std::fill(rows_[0].begin(), rows_[0].end(), 0);
        std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
        SerpentineWalk::nextLine();
    }

private:
    static constexpr int kLanes = dither::kLanes;

    Lookup& lookup_;
    const DiffusionKernel& kernel_;
    int margin_ = 0;
    // rows_[0] is the current image row, rows_[1] the next, and so on. Cell x +
    // margin of a row belongs to column x; channels are interleaved in lanes.
    std::vector<std::vector<int>> rows_;
};

}  // namespace nimbrel
