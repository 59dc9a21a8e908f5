#pragma once
// The BMP files we write: uncompressed 24 bits, a 14-byte file header and a 40-byte
// BITMAPINFOHEADER (resolution 0, no colour table), rows bottom-up, each padded with
// zero bytes to a multiple of four.
#include <cstdint>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "image/image.h"

namespace nimbrel {

// Writes the file's bytes to `out`, header first, then row by row.
void writeBmp(const Bgr24View& image, FileWriter& out);

// An empty image (width or height 0) gives no bytes at all: an empty button is saved
// as a 0-byte file, which the program has always done and callers may rely on.
std::vector<std::uint8_t> encodeBmp(const Bgr24View& image);

// Creates or replaces the file through writeFileAtomically.
void saveBmpFile(const std::string& fileName, const Bgr24View& image);

}  // namespace nimbrel
