#pragma once
// The GIF image object: holds the output options, turns an assigned 24-bit
// image into one indexed GIF image, and writes it as a GIF87a stream.
#include <cstdint>
#include <string>
#include <vector>

#include "output/byte_sink.h"
#include "output/gif_options.h"
#include "output/image.h"
#include "output/palettes.h"

namespace nimbrel {

constexpr int kMaxGifSide = 65535;

class TGIFColorMap {
public:
    // Fails with "Color table overflow" beyond 256 entries.
    void add(Rgb color);
    void clear() { entries_.clear(); }
    const std::vector<Rgb>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // 0 for no entries, else the smallest b with 2^b entries at least count (1 at least).
    int bitsPerPixel() const;
    bool sorted = false;

private:
    std::vector<Rgb> entries_;
};

struct TGIFHeader {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t packedFlags = 0;
    TGIFColorMap globalMap;
};

struct TGIFSubImage {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t packedFlags = 0;
    TGIFColorMap localMap;
    std::vector<std::uint8_t> pixels;  // width * height indexes, rows from the top

    bool empty() const { return pixels.empty() || width == 0 || height == 0; }
};

class TGIFImage {
public:
    ColorReduction colorReduction() const { return colorReduction_; }
    DitherMethod ditherMethod() const { return ditherMethod_; }
    GifCompression compression() const { return compression_; }
    int reductionBits() const { return reductionBits_; }

    void setColorReduction(ColorReduction method) { colorReduction_ = method; }
    void setDitherMethod(DitherMethod method) { ditherMethod_ = method; }
    void setCompression(GifCompression method) { compression_ = method; }
    // Fails with "Invalid Bits Per Pixel value" outside 3 to 8; the old value stays.
    void setReductionBits(int bits);

    // Replaces all content by one image made from the bitmap (reduced and
    // dithered here, so conversion errors arise before any file is touched).
    // A side above 65,535 pixels fails with a clear message.
    void Assign(const Bgr24View& bitmap);

    // Fails with "Unsupported GIF version" when nothing has been assigned.
    void SaveToStream(ByteSink& sink);
    std::vector<std::uint8_t> saveToBytes();
    // The whole stream is made in memory first and then written in one piece,
    // so a failure leaves any older file of that name as it was.
    void SaveToFile(const std::string& fileName);

    const TGIFHeader& header() const { return header_; }
    const std::vector<TGIFSubImage>& images() const { return images_; }

private:
    void clear();
    void computeHeaderFlags();

    ColorReduction colorReduction_ = ColorReduction::Web216;
    DitherMethod ditherMethod_ = DitherMethod::Nearest;
    GifCompression compression_ = GifCompression::Lzw;
    int reductionBits_ = 8;
    TGIFHeader header_;
    std::vector<TGIFSubImage> images_;
};

}  // namespace nimbrel
