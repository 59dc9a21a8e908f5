#pragma once
// The two layers under both image-data encoders: the sub-block writer, which
// packs the code stream into blocks of at most 255 bytes, each led by its
// count, and the code output, which packs variable-width codes least
// significant bit first.
#include <array>
#include <cstdint>

#include "output/byte_sink.h"

namespace nimbrel {

class TGIFWriter {
public:
    explicit TGIFWriter(ByteSink& sink) : sink_(sink) {}

    void put(std::uint8_t byte)
    {
        block_[++count_] = byte;
        if (count_ == 255) emit();
    }
    // Emits the last, shorter block if there is one. The zero-length block
    // that ends the image data is the caller's.
    void close()
    {
        if (count_ > 0) emit();
    }

private:
    void emit()
    {
        block_[0] = static_cast<std::uint8_t>(count_);
        sink_.write(block_.data(), static_cast<std::size_t>(count_) + 1);
        count_ = 0;
    }

    ByteSink& sink_;
    std::array<std::uint8_t, 256> block_{};
    int count_ = 0;
};

// State shared by the LZW and RLE encoders for one image.
class TGIFEncoder {
public:
    // colorCount: entries of the colour map; initialBits: the minimum code size
    // (the map's bits per pixel, at least 2).
    TGIFEncoder(TGIFWriter& writer, int colorCount, int initialBits);

    // Sends the end code and the last, partly filled byte.
    void finish();

protected:
    void outputBits(int code)
    {
        bucket_ |= static_cast<std::uint32_t>(code) << bitCount_;
        bitCount_ += codeSize_;
        while (bitCount_ >= 8) {
            writer_.put(static_cast<std::uint8_t>(bucket_));
            bucket_ >>= 8;
            bitCount_ -= 8;
        }
    }
    [[noreturn]] static void failColorNotInTable();

    TGIFWriter& writer_;
    int colorCount_;
    int initialBits_;
    int initialCodeSize_;
    int codeSize_;
    int clearCode_;
    int endCode_;
    int firstFreeCode_;
    int maxCode_;
    bool clearPending_ = false;

private:
    std::uint32_t bucket_ = 0;
    int bitCount_ = 0;
};

}  // namespace nimbrel
