#pragma once
// Error diffusion driven by a kernel table: each converted pixel spreads its
// colour error over neighbours not yet converted, with integer weights that
// are divided only when the neighbour itself is converted.
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

class ErrorDiffusionDitherer : public DitherEngine {
public:
    ErrorDiffusionDitherer(int width, ColorLookup& lookup, const DiffusionKernel& kernel);
    int dither(int red, int green, int blue) override;
    void nextLine() override;

private:
    const DiffusionKernel& kernel_;
    int margin_ = 0;
    // rows_[0] is the current image row, rows_[1] the next, and so on. Cell x +
    // margin of a row belongs to column x; channels are interleaved in lanes.
    std::vector<std::vector<int>> rows_;
};

}  // namespace nimbrel
