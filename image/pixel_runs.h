#pragma once
// Runs of one palette index, eight pixels at a time: the scans of the GIF
// encoders. Lanes are bytes of a little-endian word, lane k being pixel k.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace nimbrel::pixel_runs {

constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
constexpr std::uint64_t kHigh = ~kLow7;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

inline std::uint64_t load8(const std::uint8_t* at)
{
    std::uint64_t v;
    std::memcpy(&v, at, 8);
    return v;
}

// The top bit of each byte of v that is not zero.
inline std::uint64_t nonZeroBytes(std::uint64_t v) { return (((v & kLow7) + kLow7) | v) & kHigh; }

// One bit (the top bit of its byte) for each of eight pixels that differs from
// the pixel before it.
inline std::uint64_t boundaryMask(const std::uint8_t* at) { return nonZeroBytes(load8(at) ^ load8(at - 1)); }

// The first position from `from` on whose pixel is not `pixel`, or `end`.
inline std::size_t runEnd(const std::uint8_t* pixels, std::size_t from, std::size_t end, std::uint8_t pixel)
{
    const std::uint64_t all = kOnes * pixel;
    for (; from + 8 <= end; from += 8) {
        const std::uint64_t differ = nonZeroBytes(load8(pixels + from) ^ all);
        if (differ) return from + (static_cast<unsigned>(__builtin_ctzll(differ)) >> 3);
    }
    while (from < end && pixels[from] == pixel) ++from;
    return from;
}

}  // namespace nimbrel::pixel_runs
