#pragma once
// Our own strict BMP decoder. It reads 1, 2, 4 and 8 bits with a colour table, 16 and
// 32 bits with default or explicit bit masks (alpha is ignored), 24 bits, RLE4, RLE8,
// bottom-up and top-down rows, and the OS/2 1.x and 2.x, BITMAPINFOHEADER, V2, V3, V4
// and V5 headers.
//
// A file that does not start with "BM" fails with "Bitmap image is not valid"; a file
// that is cut short, too large for the image limits or inconsistent fails with its own
// clear message. The result never holds a pixel the file did not define.
// A width or height of 0 gives an empty image.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "image/image.h"

namespace nimbrel {

Bgr24Image decodeBmp(const std::uint8_t* data, std::size_t size);

// The same, into pixels the caller provides: `allocate` is called once, with the
// image's size, after the file has been checked as far as it can be without
// them, and every pixel it returns is then written. Lets a caller decode straight
// into its own image type, with no second copy of a large bitmap.
void decodeBmpInto(const std::uint8_t* data, std::size_t size,
                   const std::function<Bgr24Canvas(int width, int height)>& allocate);

// Reads the whole file and decodes it; a file that cannot be read fails with
// readWholeFile's message. A file far larger than any acceptable bitmap is refused
// without being read.
Bgr24Image loadBmpFile(const std::string& fileName);
void loadBmpFileInto(const std::string& fileName, const std::function<Bgr24Canvas(int width, int height)>& allocate);

}  // namespace nimbrel
