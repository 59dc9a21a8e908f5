#include "image/bmp_header.h"

#include <algorithm>
#include <string>

#include "image/bmp_bytes.h"
#include "base/error.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

enum : std::uint32_t {
    kCompressNone = 0,
    kCompressRle8 = 1,
    kCompressRle4 = 2,
    kCompressBitFields = 3,  // Huffman 1D in OS/2 2.x headers
    kCompressJpeg = 4,       // RLE24 in OS/2 2.x headers
    kCompressPng = 5,
    kCompressAlphaBitFields = 6,
};

// The info header kinds we read: OS/2 1.x (12), OS/2 2.x (16 or 64, fields beyond the
// size being zero), BITMAPINFOHEADER (40) and its V2, V3, V4 and V5 extensions.
bool knownHeaderSize(std::uint32_t size)
{
    for (const std::uint32_t known : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u})
        if (size == known) return true;
    return false;
}

bool isOs2Header(std::uint32_t size)
{
    return size == 12 || size == 16 || size == 64;
}

// Reads a 32-bit field of the info header at an offset inside it; fields that a shorter
// header leaves out read as zero.
class InfoHeader {
public:
    InfoHeader(const std::uint8_t* start, std::uint32_t size) : start_(start), size_(size) {}
    std::uint32_t size() const { return size_; }
    std::uint32_t field32(std::size_t offset) const
    {
        return offset + 4 <= size_ ? readLe32(start_ + offset) : 0;
    }
    std::uint16_t field16(std::size_t offset) const
    {
        return offset + 2 <= size_ ? readLe16(start_ + offset) : 0;
    }

private:
    const std::uint8_t* start_;
    std::uint32_t size_;
};

[[noreturn]] void fail(const std::string& message)
{
    throw Error(message);
}

std::string compressionName(std::uint32_t compression, bool os2)
{
    switch (compression) {
        case kCompressRle8:
            return "RLE8";
        case kCompressRle4:
            return "RLE4";
        case kCompressBitFields:
            return os2 ? "Huffman" : "bit fields";
        case kCompressJpeg:
            return os2 ? "RLE24" : "JPEG";
        case kCompressPng:
            return "PNG";
        default:
            return std::to_string(compression);
    }
}

[[noreturn]] void failCompression(std::uint32_t compression, bool os2)
{
    fail("Bitmap image uses an unsupported compression (" + compressionName(compression, os2) + ")");
}

BmpEncoding encodingFor(std::uint32_t compression, int bitCount, bool os2)
{
    const auto requireBits = [&](bool ok) {
        if (!ok)
            fail("Bitmap image has " + std::to_string(bitCount) + " bits per pixel, which do not suit its " +
                 compressionName(compression, os2) + " compression");
    };
    switch (compression) {
        case kCompressNone:
            return BmpEncoding::Plain;
        case kCompressRle8:
            requireBits(bitCount == 8);
            return BmpEncoding::Rle8;
        case kCompressRle4:
            requireBits(bitCount == 4);
            return BmpEncoding::Rle4;
        case kCompressBitFields:
        case kCompressAlphaBitFields:
            if (os2) failCompression(compression, os2);
            requireBits(bitCount == 16 || bitCount == 32);
            return BmpEncoding::Plain;
        default:
            failCompression(compression, os2);
    }
}

bool usesExplicitMasks(std::uint32_t compression)
{
    return compression == kCompressBitFields || compression == kCompressAlphaBitFields;
}

}  // namespace

BmpHeader parseBmpHeader(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || data[0] != 'B' || data[1] != 'M') fail(kBmpNotValid);
    if (size < kFileHeaderSize + 4) fail(kBmpTruncated);
    const std::uint32_t pixelOffset = readLe32(data + 10);
    const std::uint32_t infoSize = readLe32(data + kFileHeaderSize);
    if (!knownHeaderSize(infoSize))
        fail("Bitmap image has an unsupported header size (" + std::to_string(infoSize) + " bytes)");
    if (size < kFileHeaderSize + infoSize) fail(kBmpTruncated);
    const InfoHeader info(data + kFileHeaderSize, infoSize);
    const bool os2 = isOs2Header(infoSize);

    BmpHeader header;
    long long width = 0;
    long long height = 0;
    if (infoSize == 12) {
        width = info.field16(4);
        height = info.field16(6);
        header.bitCount = info.field16(10);
    } else {
        width = static_cast<std::int32_t>(info.field32(4));
        height = static_cast<std::int32_t>(info.field32(8));
        header.bitCount = info.field16(14);
    }
    const std::uint32_t compression = info.field32(16);
    const std::uint32_t colorsUsed = info.field32(32);

    switch (header.bitCount) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            fail("Bitmap image has an unsupported color depth (" + std::to_string(header.bitCount) +
                 " bits per pixel)");
    }
    header.encoding = encodingFor(compression, header.bitCount, os2);

    if (width < 0) fail("Bitmap image has a negative width (" + std::to_string(width) + ")");
    header.topDown = height < 0;
    if (height < 0) height = -height;
    checkImageSize(width, height);
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);

    // Bit masks live in the longer headers, or in 12 or 16 bytes right after a 40-byte one.
    std::size_t tableStart = kFileHeaderSize + infoSize;
    if (header.bitCount == 16 || header.bitCount == 32) {
        header.bitFields = BitFields::defaultsFor(header.bitCount);
        if (usesExplicitMasks(compression)) {
            if (infoSize >= 52) {
                header.bitFields.masks = {info.field32(40), info.field32(44), info.field32(48)};
            } else {
                const std::size_t maskBytes = compression == kCompressAlphaBitFields ? 16 : 12;
                if (size < tableStart + maskBytes) fail(kBmpTruncated);
                const std::uint8_t* m = data + tableStart;
                header.bitFields.masks = {readLe32(m), readLe32(m + 4), readLe32(m + 8)};
                tableStart += maskBytes;
            }
            if (!header.bitFields.validFor(header.bitCount)) fail("Bitmap image has invalid color bit masks");
        }
    }

    if (pixelOffset < tableStart)
        fail("Bitmap image has an invalid pixel data offset (" + std::to_string(pixelOffset) + ")");
    if (pixelOffset > size) fail(kBmpTruncated);
    header.pixelOffset = pixelOffset;

    if (header.bitCount <= 8) {
        // The table holds what the header says, but never more than the bit depth can
        // index nor more than fits before the pixel data (short tables are common).
        const std::size_t entrySize = infoSize == 12 ? 3 : 4;
        const std::size_t fullTable = std::size_t{1} << header.bitCount;
        std::size_t entries = colorsUsed == 0 ? fullTable : std::min<std::size_t>(colorsUsed, fullTable);
        entries = std::min(entries, (pixelOffset - tableStart) / entrySize);
        header.palette.resize(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = data + tableStart + i * entrySize;
            header.palette[i] = {e[0], e[1], e[2]};
        }
    }
    return header;
}

}  // namespace nimbrel
