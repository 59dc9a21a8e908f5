#pragma once
// The headers of a BMP file: file header, one of the info header kinds (OS/2 1.x and
// 2.x, BITMAPINFOHEADER and its V2 to V5 extensions), bit masks and colour table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bmp_bitfields.h"

namespace nimbrel {

// The messages the user sees for broken bitmap files.
inline constexpr char kBmpNotValid[] = "Bitmap image is not valid";
inline constexpr char kBmpTruncated[] = "Bitmap image is truncated";
inline constexpr char kBmpBadColorIndex[] = "Bitmap image uses a color index beyond its color table";
inline constexpr char kBmpNoColorTable[] = "Bitmap image has no color table";
inline constexpr char kBmpBadRunLength[] = "Bitmap image has corrupt run-length data";

enum class BmpEncoding { Plain, Rle8, Rle4 };

struct BmpHeader {
    int width = 0;
    int height = 0;  // always >= 0; see topDown
    bool topDown = false;
    int bitCount = 0;
    BmpEncoding encoding = BmpEncoding::Plain;
    BitFields bitFields;  // 16 and 32 bits only
    // Colour table entries as blue, green, red bytes; only for 1 to 8 bits. It may be
    // shorter than 2^bitCount when the file says so or has no room for more.
    std::vector<std::array<std::uint8_t, 3>> palette;
    std::size_t pixelOffset = 0;  // never beyond the end of the file

    // Bytes of one stored row of an uncompressed bitmap, padded to four bytes.
    std::size_t stride() const { return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4; }
};

// Reads and checks everything before the pixel data. Throws nimbrel::Error with one of
// the messages above (or a more specific one) for a file that is not a BMP, is cut
// short, is too large for the image limits, or uses an unsupported variant.
BmpHeader parseBmpHeader(const std::uint8_t* data, std::size_t size);

}  // namespace nimbrel
