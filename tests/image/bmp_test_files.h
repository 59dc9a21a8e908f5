#pragma once
// Builds small BMP files of every kind the decoder reads, so the tests need no binary
// fixtures, and reads decoded images back as colour lists.
#include <cstdint>
#include <optional>
#include <vector>

#include "image/color.h"
#include "image/image.h"

namespace nimbrel::testing {

struct BmpFileSpec {
    std::uint32_t headerSize = 40;  // 12, 16, 40, 52, 56, 64, 108, 124 (or anything, to test refusal)
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<Color> palette;                // 3-byte entries for 12-byte headers, 4-byte otherwise
    std::vector<std::uint32_t> masks;          // inside headers of 52 bytes or more, else after the header
    std::vector<std::uint8_t> pixels;          // the pixel data exactly as stored
    std::optional<std::uint32_t> pixelOffset;  // default: right after the colour table
};

std::vector<std::uint8_t> buildBmp(const BmpFileSpec& spec);

// Pads each stored row to a multiple of four bytes and joins them.
std::vector<std::uint8_t> paddedRows(const std::vector<std::vector<std::uint8_t>>& rows);

// Packs colour indexes of bits each, the first in the high bits of a byte.
std::vector<std::uint8_t> packIndexes(int bits, const std::vector<int>& indexes);

// 16-bit little-endian values as bytes.
std::vector<std::uint8_t> words16(const std::vector<std::uint16_t>& values);
std::vector<std::uint8_t> words32(const std::vector<std::uint32_t>& values);

// Pixels row by row from the top, as colour values.
std::vector<Color> colorsOf(const Bgr24Image& image);

}  // namespace nimbrel::testing
