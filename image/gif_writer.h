#pragma once
// The two layers under both image-data encoders: the sub-block writer, which
// packs the code stream into blocks of at most 255 bytes, each led by its
// count, and the code output (GifCodeBits), which packs variable-width codes
// least significant bit first.
#include <array>
#include <cstdint>

#include "image/byte_sink.h"

namespace nimbrel {

class GifWriter {
public:
    explicit GifWriter(ByteSink& sink) : sink_(sink) {}

    [[gnu::always_inline]] void put(std::uint8_t byte)
    {
        block_[++count_] = byte;
        if (count_ == 255) emit();
    }
    // Four bytes, the low byte first.
    [[gnu::always_inline]] void put4(std::uint32_t bytes)
    {
        if (count_ <= 251) {
            block_[count_ + 1] = static_cast<std::uint8_t>(bytes);
            block_[count_ + 2] = static_cast<std::uint8_t>(bytes >> 8);
            block_[count_ + 3] = static_cast<std::uint8_t>(bytes >> 16);
            block_[count_ + 4] = static_cast<std::uint8_t>(bytes >> 24);
            count_ += 4;
            if (count_ == 255) emit();
            return;
        }
        for (int i = 0; i < 4; ++i, bytes >>= 8) put(static_cast<std::uint8_t>(bytes));
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

// The code output: variable-width codes packed least significant bit first.
// Whole bytes leave four at a time; the byte stream is the same as writing
// each byte as soon as it is complete. It is a plain value, so an encoder's
// tight loop can work on a local copy the compiler keeps in registers.
struct GifCodeBits {
    std::uint64_t bucket = 0;
    // As wide as the bucket: a copy then has no padding to carry along.
    std::int64_t count = 0;

    [[gnu::always_inline]] void put(int code, int codeSize, GifWriter& writer)
    {
        bucket |= static_cast<std::uint64_t>(code) << count;
        count += codeSize;
        if (count >= 32) {
            writer.put4(static_cast<std::uint32_t>(bucket));
            bucket >>= 32;
            count -= 32;
        }
    }
    // Sends the last, partly filled byte.
    void flush(GifWriter& writer)
    {
        for (; count > 0; count -= 8, bucket >>= 8) writer.put(static_cast<std::uint8_t>(bucket));
        bucket = 0;
        count = 0;
    }
};

// State shared by the LZW and RLE encoders for one image. The encoder owns
// its sub-block writer, so the compiler can see that writing a byte does not
// change the encoder's own counters and keep them in registers.
class GifEncoder {
public:
    // colorCount: entries of the colour map; initialBits: the minimum code size
    // (the map's bits per pixel, at least 2).
    GifEncoder(ByteSink& sink, int colorCount, int initialBits);

    // Sends the end code and the last, partly filled byte, and closes the
    // sub-blocks.
    void finish();

protected:
    [[gnu::always_inline]] void outputBits(int code) { bits_.put(code, codeSize_, writer_); }
    [[noreturn]] static void failColorNotInTable();

    GifWriter writer_;
    int colorCount_;
    int initialBits_;
    int initialCodeSize_;
    int codeSize_;
    int clearCode_;
    int endCode_;
    int firstFreeCode_;
    int maxCode_;
    bool clearPending_ = false;
    GifCodeBits bits_;
};

}  // namespace nimbrel
