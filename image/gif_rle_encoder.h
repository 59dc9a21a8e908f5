#pragma once
// Run-length image data in codes any GIF decoder understands: no string
// search; each pixel goes out as its own code, and runs of one colour go out
// as the codes that the decoder's table holds, at that moment, as a run of
// exactly that length of that colour. A clear is sent when rebuilding the
// runs from scratch is cheaper than repeating them.
#include <cstddef>
#include <cstdint>

#include "image/gif_writer.h"

namespace nimbrel {

// The number of codes a run of count pixels costs when the decoder table is
// built up from a clear with k codes per fill: runs 1, 2, 3, ... k, then again.
std::int64_t rleTriangleCost(std::int64_t count, std::int64_t k);

class RleEncoder : public GifEncoder {
public:
    RleEncoder(ByteSink& sink, int colorCount, int initialBits);

    // Sends the clear code and the codes of the pixels, not the end code.
    void compress(const std::uint8_t* pixels, std::size_t count);

private:
    void sendCode(int code);
    void clear();
    void resetOutClear();
    void flushRun(std::int64_t count);
    void flushFromClear(std::int64_t count);
    void flushByClearOrRepeat(std::int64_t count);
    void flushWithTable(std::int64_t count);
    std::int64_t cost(std::int64_t count) const
    {
        return count < kCostTableSize ? smallCosts_[count] : rleTriangleCost(count, maxCodes_);
    }
    int runCode(std::int64_t length) const { return firstFreeCode_ + static_cast<int>(length) - 2; }

    int runPixel_ = -1;
    int outCount_ = 0;
    int outBump_ = 0;
    int outBumpStart_ = 0;
    int outClear_ = 0;
    int outClearStart_ = 0;
    int maxCodes_ = 0;
    int tableMax_ = 0;
    int tablePixel_ = 0;
    // rleTriangleCost of the short runs that make up most of an image.
    static constexpr int kCostTableSize = 256;
    std::int16_t smallCosts_[kCostTableSize] = {};
};

}  // namespace nimbrel
