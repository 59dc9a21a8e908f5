#pragma once
// The image data of one GIF image: the minimum code size byte, the compressed
// codes in sub-blocks, and the zero-length block that ends them.
#include <cstddef>
#include <cstdint>

#include "image/byte_sink.h"
#include "image/gif_options.h"

namespace nimbrel {

// pixels: count palette indexes in file order, each below colorCount (else
// "Color not in color table"). initialBits: the colour map's bits per pixel,
// at least 2.
void writeGifImageData(ByteSink& sink, const std::uint8_t* pixels, std::size_t count, int colorCount,
                       int initialBits, GifCompression compression);

}  // namespace nimbrel
