#include "image/dither_error_diffusion.h"

namespace nimbrel {
namespace {

// Stucki, Sierra and Jarvis-Judice-Ninke share one 5 x 3 shape; Burkes is its
// first two rows.
DiffusionKernel fiveByThree(int divisor, int a1, int a2, std::vector<int> next, std::vector<int> afterNext)
{
    DiffusionKernel k{divisor, {{0, 1, a1}, {0, 2, a2}}};
    for (int i = 0; i < 5; ++i)
        if (next[i]) k.taps.push_back({1, i - 2, next[i]});
    for (int i = 0; i < 5; ++i)
        if (!afterNext.empty() && afterNext[i]) k.taps.push_back({2, i - 2, afterNext[i]});
    return k;
}

}  // namespace

const DiffusionKernel& diffusionKernel(DitherMethod method)
{
    static const DiffusionKernel stucki = fiveByThree(42, 8, 4, {2, 4, 8, 4, 2}, {1, 2, 4, 2, 1});
    static const DiffusionKernel sierra = fiveByThree(32, 5, 3, {2, 4, 5, 4, 2}, {0, 2, 3, 2, 0});
    static const DiffusionKernel jarvis = fiveByThree(48, 7, 5, {3, 5, 7, 5, 3}, {1, 3, 5, 3, 1});
    static const DiffusionKernel burkes = fiveByThree(32, 8, 4, {2, 4, 8, 4, 2}, {});
    static const DiffusionKernel stevensonArce{200,
                                               {{0, 2, 32},
                                                {1, -3, 12},
                                                {1, -1, 26},
                                                {1, 1, 30},
                                                {1, 3, 16},
                                                {2, -2, 12},
                                                {2, 0, 26},
                                                {2, 2, 12},
                                                {3, -3, 5},
                                                {3, -1, 12},
                                                {3, 1, 12},
                                                {3, 3, 5}}};
    switch (method) {
        case DitherMethod::Stucki:
            return stucki;
        case DitherMethod::Sierra:
            return sierra;
        case DitherMethod::JarvisJudiceNinke:
            return jarvis;
        case DitherMethod::StevensonArce:
            return stevensonArce;
        default:
            return burkes;
    }
}

}  // namespace nimbrel
