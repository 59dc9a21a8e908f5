#include "image/dither_error_diffusion.h"

#include <algorithm>
#include <cstdlib>

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

ErrorDiffusionDitherer::ErrorDiffusionDitherer(int width, ColorLookup& lookup,
                                                 const DiffusionKernel& kernel)
    : DitherEngine(width, lookup), kernel_(kernel)
{
    int rowCount = 1;
    for (const KernelTap& tap : kernel.taps) {
        rowCount = std::max(rowCount, tap.row + 1);
        margin_ = std::max(margin_, std::abs(tap.ahead));
    }
    rows_.assign(rowCount, std::vector<int>(static_cast<std::size_t>(width + 2 * margin_) * kLanes, 0));
}

int ErrorDiffusionDitherer::dither(int red, int green, int blue)
{
    const int d = direction_;
    const int cell = column_ + margin_;
    const int* gathered = &rows_[0][static_cast<std::size_t>(cell) * kLanes];
    const int divisor = kernel_.divisor;
    const int r = correct(red, gathered[0], divisor);
    const int g = correct(green, gathered[1], divisor);
    const int b = correct(blue, gathered[2], divisor);
    const LookupResult chosen = lookup_.lookup(r, g, b);
    const int error[kLanes] = {r - redOf(chosen.color), g - greenOf(chosen.color), b - blueOf(chosen.color),
                               0};
    if (error[0] | error[1] | error[2]) {
        for (const KernelTap& tap : kernel_.taps) {
            int* target = &rows_[tap.row][static_cast<std::size_t>(cell + tap.ahead * d) * kLanes];
            for (int c = 0; c < kLanes; ++c) target[c] += tap.weight * error[c];
        }
    }
    column_ += d;
    return chosen.index;
}

void ErrorDiffusionDitherer::nextLine()
{
    // The finished row's buffer is cleared and reused as the farthest row.
    std::fill(rows_[0].begin(), rows_[0].end(), 0);
    std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
    DitherEngine::nextLine();
}

}  // namespace nimbrel
