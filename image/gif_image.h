#pragma once
// The GIF image object: holds the output options, turns an assigned 24-bit
// image into one indexed GIF image, and writes it as a GIF87a stream.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/byte_sink.h"
#include "image/gif_options.h"
#include "image/image.h"
#include "image/palettes.h"

namespace nimbrel {

constexpr int kMaxGifSide = 65535;

class GifColorMap {
public:
    // Fails with "Color table overflow" beyond 256 entries.
    void add(Rgb color);
    void reserve(int count) { entries_.reserve(static_cast<std::size_t>(count)); }
    void clear() { entries_.clear(); }
    const std::vector<Rgb>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // 0 for no entries, else the smallest b with 2^b entries at least count (1 at least).
    int bitsPerPixel() const;
    bool sorted = false;

private:
    std::vector<Rgb> entries_;
};

struct GifHeader {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t packedFlags = 0;
    GifColorMap globalMap;
};

struct GifSubImage {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t packedFlags = 0;
    GifColorMap localMap;
    std::vector<std::uint8_t> pixels;  // width * height indexes, rows from the top
    // Written as a Graphic Control Extension before the image (which makes the file GIF89a).
    std::optional<std::uint8_t> transparentIndex;

    bool empty() const { return pixels.empty() || width == 0 || height == 0; }
};

class GifImage {
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
    // Pixels of exactly this colour become transparent, when the colour
    // survives the reduction exactly; none (the start value) writes the file
    // as it always was.
    void setTransparentColor(std::optional<Color> color) { transparentColor_ = color; }
    // Why the last assign could not make the transparent colour transparent;
    // empty when it could, or when there was nothing to do.
    const std::string& transparencyWarning() const { return transparencyWarning_; }

    // Replaces all content by one image made from the bitmap (reduced and
    // dithered here, so conversion errors arise before any file is touched).
    // A side above 65,535 pixels fails with a clear message.
    void assign(const Bgr24View& bitmap);

    // Fails with "Unsupported GIF version" when nothing has been assigned.
    void saveToStream(ByteSink& sink);
    std::vector<std::uint8_t> saveToBytes();
    // The whole stream is made in memory first and then written in one piece,
    // so a failure leaves any older file of that name as it was.
    void saveToFile(const std::string& fileName);

    const GifHeader& header() const { return header_; }
    const std::vector<GifSubImage>& images() const { return images_; }

private:
    void clear();
    void computeHeaderFlags();
    void applyTransparency(const Bgr24View& bitmap, GifSubImage& image);

    ColorReduction colorReduction_ = kStartColorReduction;
    DitherMethod ditherMethod_ = kStartDitherMethod;
    GifCompression compression_ = kStartCompression;
    int reductionBits_ = 8;
    std::optional<Color> transparentColor_;
    std::string transparencyWarning_;
    GifHeader header_;
    std::vector<GifSubImage> images_;
};

}  // namespace nimbrel
