#pragma once
// Run-length encoded 4- and 8-bit bitmaps.
#include <cstddef>
#include <cstdint>

#include "image/bmp_header.h"
#include "image/image.h"

namespace nimbrel {

// Decodes the RLE4 or RLE8 stream of data[0 .. size) into image, which must have the
// header's size. With image null the stream is only checked, so that a broken file is
// refused before any pixel memory is taken.
//
// Pixels the stream leaves out (by a delta, an early end of line or end of bitmap) take
// colour table entry 0, as they do when such a bitmap is drawn by the usual decoders.
// Runs past the end of a row or below the last row, colour indexes beyond the table and
// a stream that stops before the image is complete are errors.
void decodeRle(const BmpHeader& header, const std::uint8_t* data, std::size_t size, const Bgr24Canvas* image);

}  // namespace nimbrel
