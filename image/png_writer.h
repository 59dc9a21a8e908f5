#pragma once
// The PNG files we write: exactly the pixels of the 24-bit image, lossless.
// An image of at most 256 colours becomes an indexed PNG (a palette of the
// colours it uses, at the smallest bit depth that holds them), any other an
// 8-bit RGB PNG. With a transparent colour, pixels of exactly that colour are
// fully transparent (a tRNS chunk).
#include <cstdint>
#include <optional>
#include <vector>

#include "image/image.h"

namespace nimbrel {

// Chosen by measurement (bench/png_bench): a whole button set stays within
// the batch speed targets, and the higher levels save only a few bytes more.
inline constexpr int kPngCompressionLevel = 9;

struct PngOptions {
    std::optional<Color> transparentColor;
    int compressionLevel = kPngCompressionLevel;  // zlib 0..9
};

// What goes into the PNG before compression: the header values, palette,
// transparency and the rows as PNG lays them out (packed indexes or R, G, B).
struct PngLayout {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    bool indexed = false;
    std::vector<Rgb> palette;            // indexed only
    std::optional<Rgb> transparent;      // RGB: the colour; indexed: palette entry 0
    std::vector<std::uint8_t> rows;      // height rows of rowBytes, no filter bytes
    std::size_t rowBytes = 0;
};
PngLayout pngLayoutOf(const Bgr24View& image, std::optional<Color> transparentColor);

// zlib's window and memory level for the layout: no larger than its data, which
// compresses a button the same and spares zlib from setting up (and the system
// from handing out and clearing) a few hundred kilobytes for every file.
int pngWindowBitsFor(const PngLayout& layout);
int pngMemoryLevelFor(const PngLayout& layout);

// The layout compressed into a PNG stream by libspng.
std::vector<std::uint8_t> encodePngLayout(const PngLayout& layout, int compressionLevel);

// An empty image (width or height 0) gives no bytes at all, as the BMP writer
// does: a PNG cannot hold an image without pixels.
std::vector<std::uint8_t> encodePng(const Bgr24View& image, const PngOptions& options = {});

}  // namespace nimbrel
