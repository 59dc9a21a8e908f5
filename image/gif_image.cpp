#include "image/gif_image.h"

#include <algorithm>
#include <array>

#include "image/color_reduction.h"
#include "base/error.h"
#include "base/file_io.h"
#include "image/gif_image_data.h"

namespace nimbrel {
namespace {

void putWord(ByteSink& sink, std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                   static_cast<std::uint8_t>(value >> 8)};
    sink.write(bytes, 2);
}

void putColorTable(ByteSink& sink, const GifColorMap& map)
{
    std::array<std::uint8_t, 256 * 3> bytes{};  // black up to 2^bits entries
    const std::size_t slots = std::size_t(1) << map.bitsPerPixel();
    std::size_t at = 0;
    for (const Rgb& c : map.entries()) {
        bytes[at++] = c.r;
        bytes[at++] = c.g;
        bytes[at++] = c.b;
    }
    sink.write(bytes.data(), slots * 3);
}

std::string hexColor(Color c)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t channel : {redOf(c), greenOf(c), blueOf(c)}) {
        text += digits[channel >> 4];
        text += digits[channel & 15];
    }
    return text;
}

void putGraphicControl(ByteSink& sink, std::uint8_t transparentIndex)
{
    // Transparent flag only: no delay, no disposal, no user input.
    const std::uint8_t block[8] = {0x21, 0xF9, 4, 0x01, 0, 0, transparentIndex, 0};
    sink.write(block, sizeof block);
}

}  // namespace

void GifColorMap::add(Rgb color)
{
    if (entries_.size() >= 256) throw Error("Color table overflow");
    entries_.push_back(color);
}

int GifColorMap::bitsPerPixel() const
{
    if (entries_.empty()) return 0;
    int bits = 1;
    while ((1 << bits) < count()) ++bits;
    return bits;
}

void GifImage::setReductionBits(int bits)
{
    if (bits < kMinReductionBits || bits > kMaxReductionBits) throw Error("Invalid Bits Per Pixel value");
    reductionBits_ = bits;
}

void GifImage::clear()
{
    images_.clear();
    header_.globalMap.clear();
    header_.width = 0;
    header_.height = 0;
    computeHeaderFlags();
}

void GifImage::assign(const Bgr24View& bitmap)
{
    if (bitmap.width > kMaxGifSide || bitmap.height > kMaxGifSide)
        throw Error("The image is " + std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) +
                    " pixels; a GIF image can be at most 65535 pixels wide and high");
    clear();
    transparencyWarning_.clear();
    GifSubImage image;
    if (!bitmap.empty()) {
        IndexedImage indexed = reduceColors(bitmap, colorReduction_, ditherMethod_, reductionBits_);
        image.width = static_cast<std::uint16_t>(bitmap.width);
        image.height = static_cast<std::uint16_t>(bitmap.height);
        image.localMap.reserve(static_cast<int>(indexed.colorTable.size()));
        for (const Rgb& c : indexed.colorTable) image.localMap.add(c);
        image.pixels = std::move(indexed.pixels);
        if (transparentColor_) applyTransparency(bitmap, image);
        header_.width = std::max<std::uint16_t>(header_.width, image.left + image.width);
        header_.height = std::max<std::uint16_t>(header_.height, image.top + image.height);
    }
    images_.push_back(std::move(image));
}

// The colour is transparent only if its pixels and no others share one index
// that holds exactly that colour: a dither that moved some of them, or a
// palette that merged the colour with its neighbours, would otherwise punch
// holes where the picture has none, or leave key-coloured specks.
void GifImage::applyTransparency(const Bgr24View& bitmap, GifSubImage& image)
{
    const Color key = *transparentColor_;
    auto isKey = [&](int x, int y) {
        const std::uint8_t* p = bitmap.row(y) + x * 3;
        return makeColor(p[2], p[1], p[0]) == key;
    };
    auto indexAt = [&](int x, int y) { return image.pixels[static_cast<std::size_t>(y) * bitmap.width + x]; };

    std::optional<std::uint8_t> keyIndex;
    for (int y = 0; y < bitmap.height && !keyIndex; ++y)
        for (int x = 0; x < bitmap.width && !keyIndex; ++x)
            if (isKey(x, y)) keyIndex = indexAt(x, y);
    if (!keyIndex) return;  // nothing of that colour: nothing to make transparent

    bool exact = image.localMap.entries()[*keyIndex] == Rgb{redOf(key), greenOf(key), blueOf(key)};
    for (int y = 0; y < bitmap.height && exact; ++y)
        for (int x = 0; x < bitmap.width && exact; ++x) exact = isKey(x, y) == (indexAt(x, y) == *keyIndex);
    if (exact) {
        image.transparentIndex = *keyIndex;
    } else {
        transparencyWarning_ = "The transparent color " + hexColor(key) +
                               " does not survive the GIF color reduction exactly; the GIF is saved "
                               "without transparency.";
    }
}

void GifImage::computeHeaderFlags()
{
    // R and P over the global map and every local map; an empty map counts
    // as bits -1 and 0. The masks make R = -1 give 0x70 and P = 0 give 7.
    int largestBitsLess1 = header_.globalMap.bitsPerPixel() - 1;
    int largestBits = header_.globalMap.bitsPerPixel();
    for (const GifSubImage& image : images_) {
        largestBitsLess1 = std::max(largestBitsLess1, image.localMap.bitsPerPixel() - 1);
        largestBits = std::max(largestBits, image.localMap.bitsPerPixel());
    }
    int flags = (largestBitsLess1 * 16) & 0x70;
    flags |= (largestBits - 1) & 7;
    if (header_.globalMap.count() > 0) flags |= 0x80 | (header_.globalMap.sorted ? 0x08 : 0);
    header_.packedFlags = static_cast<std::uint8_t>(flags);
}

void GifImage::saveToStream(ByteSink& sink)
{
    if (images_.empty()) throw Error("Unsupported GIF version");
    const bool needs89a = std::any_of(images_.begin(), images_.end(), [](const GifSubImage& i) {
        return i.localMap.sorted || i.transparentIndex.has_value();
    });
    computeHeaderFlags();

    sink.write(reinterpret_cast<const std::uint8_t*>(needs89a ? "GIF89a" : "GIF87a"), 6);
    putWord(sink, header_.width);
    putWord(sink, header_.height);
    const std::uint8_t screen[3] = {header_.packedFlags, 0, 0};
    sink.write(screen, 3);
    if (header_.globalMap.count() > 0) putColorTable(sink, header_.globalMap);

    for (GifSubImage& image : images_) {
        if (image.localMap.count() > 0) {
            image.packedFlags = static_cast<std::uint8_t>(0x80 | (image.localMap.sorted ? 0x20 : 0) |
                                                          ((image.localMap.bitsPerPixel() - 1) & 7));
        } else {
            image.packedFlags &= 0x58;
        }
        if (image.empty()) continue;
        if (image.transparentIndex) putGraphicControl(sink, *image.transparentIndex);
        sink.put(0x2C);
        putWord(sink, image.left);
        putWord(sink, image.top);
        putWord(sink, image.width);
        putWord(sink, image.height);
        sink.put(image.packedFlags);
        putColorTable(sink, image.localMap);
        const int colorCount =
            image.localMap.count() > 0 ? image.localMap.count() : 1 << image.localMap.bitsPerPixel();
        writeGifImageData(sink, image.pixels.data(), image.pixels.size(), colorCount,
                          std::max(2, image.localMap.bitsPerPixel()), compression_);
    }
    sink.put(0x3B);
}

std::vector<std::uint8_t> GifImage::saveToBytes()
{
    // Room for the usual button at once, instead of growing block by block.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(4096);
    VectorByteSink sink(bytes);
    saveToStream(sink);
    return bytes;
}

void GifImage::saveToFile(const std::string& fileName)
{
    writeFileAtomically(fileName, saveToBytes(), FileSync::None);
}

}  // namespace nimbrel
