#include "image/bmp_reader.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "image/bmp_bytes.h"
#include "image/bmp_header.h"
#include "image/bmp_rle.h"
#include "base/error.h"
#include "base/file_io.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

void decodeIndexedRow(const BmpHeader& header, const std::uint8_t* src, std::uint8_t* out)
{
    const int bits = header.bitCount;
    const unsigned valueMask = (1u << bits) - 1;
    for (int x = 0; x < header.width; ++x) {
        const int bit = x * bits;
        const std::size_t index = (src[bit / 8] >> (8 - bits - bit % 8)) & valueMask;
        if (index >= header.palette.size()) throw Error(kBmpBadColorIndex);
        std::memcpy(out + x * 3, header.palette[index].data(), 3);
    }
}

void decodeMaskedRow(const BmpHeader& header, const std::uint8_t* src, std::uint8_t* out)
{
    const std::array<BitFieldChannel, 3> channels = {BitFieldChannel(header.bitFields.masks[0]),
                                                     BitFieldChannel(header.bitFields.masks[1]),
                                                     BitFieldChannel(header.bitFields.masks[2])};
    const bool wide = header.bitCount == 32;
    for (int x = 0; x < header.width; ++x) {
        const std::uint32_t pixel = wide ? readLe32(src + x * 4) : readLe16(src + x * 2);
        out[x * 3 + 0] = channels[2].extract(pixel);
        out[x * 3 + 1] = channels[1].extract(pixel);
        out[x * 3 + 2] = channels[0].extract(pixel);
    }
}

void decodeBgrRow(const BmpHeader& header, const std::uint8_t* src, std::uint8_t* out)
{
    std::memcpy(out, src, static_cast<std::size_t>(header.width) * 3);
}

using Allocate = std::function<Bgr24Canvas(int width, int height)>;

void decodePlain(const BmpHeader& header, const std::uint8_t* data, std::size_t size, const Allocate& allocate)
{
    // Everything up to the last pixel must be there; the last row's padding may be missing.
    const std::size_t stride = header.stride();
    const std::size_t lastRow = (static_cast<std::size_t>(header.width) * header.bitCount + 7) / 8;
    const std::size_t needed = stride * (header.height - 1) + lastRow;
    if (size - header.pixelOffset < needed) throw Error(kBmpTruncated);

    auto decodeRow = decodeBgrRow;
    if (header.bitCount <= 8)
        decodeRow = decodeIndexedRow;
    else if (header.bitCount != 24)
        decodeRow = decodeMaskedRow;

    const Bgr24Canvas image = allocate(header.width, header.height);
    for (int fileRow = 0; fileRow < header.height; ++fileRow) {
        const int y = header.topDown ? fileRow : header.height - 1 - fileRow;
        decodeRow(header, data + header.pixelOffset + fileRow * stride, image.row(y));
    }
}

void decodeRunLength(const BmpHeader& header, const std::uint8_t* data, std::size_t size, const Allocate& allocate)
{
    const std::uint8_t* stream = data + header.pixelOffset;
    const std::size_t streamSize = size - header.pixelOffset;
    decodeRle(header, stream, streamSize, nullptr);
    const Bgr24Canvas image = allocate(header.width, header.height);
    decodeRle(header, stream, streamSize, &image);
}

}  // namespace

void decodeBmpInto(const std::uint8_t* data, std::size_t size, const Allocate& allocate)
{
    const BmpHeader header = parseBmpHeader(data, size);
    if (header.width == 0 || header.height == 0) {
        allocate(header.width, header.height);
        return;
    }
    if (header.bitCount <= 8 && header.palette.empty()) throw Error(kBmpNoColorTable);
    if (header.encoding == BmpEncoding::Plain) return decodePlain(header, data, size, allocate);
    decodeRunLength(header, data, size, allocate);
}

Bgr24Image decodeBmp(const std::uint8_t* data, std::size_t size)
{
    Bgr24Image image;
    decodeBmpInto(data, size, [&image](int width, int height) {
        image = Bgr24Image(width, height);
        return image.canvas();
    });
    return image;
}

Bgr24Image loadBmpFile(const std::string& fileName)
{
    Bgr24Image image;
    loadBmpFileInto(fileName, [&image](int width, int height) {
        image = Bgr24Image(width, height);
        return image.canvas();
    });
    return image;
}

void loadBmpFileInto(const std::string& fileName, const Allocate& allocate)
{
    // No bitmap within the image limits needs more than this (32 bits per pixel plus
    // generous room for headers and a colour profile), so a huge file is refused before
    // it is read whole.
    constexpr std::uintmax_t kMaxFileBytes = kMaxImageBytes / 3 * 4 + 16 * 1024 * 1024;
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(fileName, error);
    if (!error && fileSize > kMaxFileBytes) {
        std::ifstream in(fileName, std::ios::binary);
        char signature[2] = {};
        if (in.read(signature, 2) && signature[0] == 'B' && signature[1] == 'M')
            throw Error("Bitmap image is too large");
        throw Error(kBmpNotValid);
    }
    const std::vector<std::uint8_t> bytes = readWholeFile(fileName, kMaxFileBytes);
    decodeBmpInto(bytes.data(), bytes.size(), allocate);
}

}  // namespace nimbrel
