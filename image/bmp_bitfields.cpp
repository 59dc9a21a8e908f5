#include "image/bmp_bitfields.h"

namespace nimbrel {

BitFieldChannel::BitFieldChannel(std::uint32_t mask) : mask_(mask)
{
    if (mask == 0) return;
    while (((mask >> shift_) & 1u) == 0) ++shift_;
    int bits = 0;
    for (std::uint32_t m = mask; m != 0; m &= m - 1) ++bits;
    max_ = (std::uint64_t{1} << bits) - 1;
}

bool BitFieldChannel::contiguous() const
{
    if (mask_ == 0) return true;
    const std::uint64_t shifted = mask_ >> shift_;
    return shifted == max_;
}

BitFields BitFields::defaultsFor(int bitCount)
{
    if (bitCount == 16) return {{0x7C00u, 0x03E0u, 0x001Fu}};
    return {{0x00FF0000u, 0x0000FF00u, 0x000000FFu}};
}

bool BitFields::validFor(int bitCount) const
{
    const std::uint64_t pixelMask = (std::uint64_t{1} << bitCount) - 1;
    std::uint32_t seen = 0;
    for (const std::uint32_t mask : masks) {
        if ((mask & ~pixelMask) != 0 || (mask & seen) != 0) return false;
        if (!BitFieldChannel(mask).contiguous()) return false;
        seen |= mask;
    }
    return seen != 0;
}

}  // namespace nimbrel
