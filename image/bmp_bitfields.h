#pragma once
// Colour channels of 16- and 32-bit bitmaps, given as bit masks.
//
// A channel of n bits is scaled to the full 0..255 range as
//     round(v * 255 / (2^n - 1))
// computed as (v * 255 + (2^n - 1) / 2) / (2^n - 1) in integers. Since 2^n - 1 is odd
// there are never exact halves, so this is plain rounding to nearest: 5-bit 31 gives
// 255, 16 gives 132, 1 gives 8; 6-bit 63 gives 255. Channels wider than 8 bits are
// scaled down the same way. An empty mask gives a channel that is always 0.
#include <array>
#include <cstdint>

namespace nimbrel {

class BitFieldChannel {
public:
    BitFieldChannel() = default;
    explicit BitFieldChannel(std::uint32_t mask);

    std::uint8_t extract(std::uint32_t pixel) const
    {
        if (max_ == 0) return 0;
        const std::uint64_t v = (pixel & mask_) >> shift_;
        if (max_ == 255) return static_cast<std::uint8_t>(v);
        return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
    }

    std::uint32_t mask() const { return mask_; }
    // True when the set bits of the mask form one contiguous group (or there are none).
    bool contiguous() const;

private:
    std::uint32_t mask_ = 0;
    int shift_ = 0;
    std::uint64_t max_ = 0;
};

// Red, green and blue masks of one bitmap.
struct BitFields {
    std::array<std::uint32_t, 3> masks{};  // red, green, blue

    // The masks a 16-bit (5-5-5) or 32-bit (8-8-8) bitmap has without explicit ones.
    static BitFields defaultsFor(int bitCount);
    // True when the masks are usable for pixels of bitCount bits: each contiguous, inside
    // the pixel, not overlapping one another, and not all empty.
    bool validFor(int bitCount) const;
};

}  // namespace nimbrel
