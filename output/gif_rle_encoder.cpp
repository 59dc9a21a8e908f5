#include "output/gif_rle_encoder.h"

namespace nimbrel {

int rleIntegerSqrt(std::int64_t x)
{
    if (x < 2) return static_cast<int>(x);
    std::int64_t r = 1;
    for (std::int64_t v = x; v > 0; v /= 4) r *= 2;
    // Newton's step from above; it settles on r or r + 1 of the floor.
    for (;;) {
        const std::int64_t v = (x / r + r) / 2;
        if (v == r || v == r + 1) return static_cast<int>(r);
        r = v;
    }
}

std::int64_t rleTriangleCost(std::int64_t count, std::int64_t k)
{
    const std::int64_t perFill = k * (k + 1) / 2;
    std::int64_t cost = 0;
    while (count >= perFill) {
        cost += k;
        count -= perFill;
    }
    if (count > 0) {
        std::int64_t n = rleIntegerSqrt(count);
        while (n * (n + 1) >= 2 * count) --n;
        while (n * (n + 1) < 2 * count) ++n;
        cost += n;
    }
    return cost;
}

TRLEEncoder::TRLEEncoder(TGIFWriter& writer, int colorCount, int initialBits)
    : TGIFEncoder(writer, colorCount, initialBits)
{
}

void TRLEEncoder::sendCode(int code)
{
    clearPending_ = false;  // doubles as "just cleared"
    outputBits(code);
    ++outCount_;
    if (outCount_ >= outBump_) {
        ++codeSize_;
        outBump_ += 1 << (codeSize_ - 1);
    }
    if (outCount_ >= outClear_) clear();
}

void TRLEEncoder::clear()
{
    outBump_ = outBumpStart_;
    outClear_ = outClearStart_;
    outCount_ = 0;
    tableMax_ = 0;
    clearPending_ = true;
    outputBits(clearCode_);
    codeSize_ = initialCodeSize_;
}

void TRLEEncoder::resetOutClear()
{
    outClear_ = outClearStart_;
    if (outCount_ >= outClear_) clear();
}

void TRLEEncoder::flushFromClear(std::int64_t count)
{
    outClear_ = maxCodes_;
    tablePixel_ = runPixel_;
    std::int64_t n = 1;
    while (count > 0) {
        if (n == 1) {
            tableMax_ = 1;
            sendCode(runPixel_);
            --count;
        } else if (n <= count) {
            tableMax_ = static_cast<int>(n);
            sendCode(runCode(n));
            count -= n;
        } else if (count == 1) {
            ++tableMax_;
            sendCode(runPixel_);
            break;
        } else {
            ++tableMax_;
            sendCode(runCode(count));
            break;
        }
        n = outCount_ == 0 ? 1 : n + 1;
    }
    resetOutClear();
}

void TRLEEncoder::flushByClearOrRepeat(std::int64_t count)
{
    if (count > 1 + rleTriangleCost(count, maxCodes_)) {
        clear();
        flushFromClear(count);
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) sendCode(runPixel_);
}

void TRLEEncoder::flushWithTable(std::int64_t count)
{
    std::int64_t reps = count / tableMax_;
    std::int64_t left = count % tableMax_;
    std::int64_t extra = left > 0 ? 1 : 0;
    if (outCount_ + reps + extra > maxCodes_) {
        reps = maxCodes_ - outCount_;
        left = count - reps * tableMax_;
        extra = 1 + rleTriangleCost(left, maxCodes_);
    }
    if (1 + rleTriangleCost(count, maxCodes_) < reps + extra) {
        clear();
        flushFromClear(count);
        return;
    }
    outClear_ = maxCodes_;
    const int code = runCode(tableMax_);
    for (std::int64_t i = 0; i < reps; ++i) sendCode(code);
    if (left > 0) {
        if (clearPending_) {
            flushFromClear(left);
        } else if (left == 1) {
            sendCode(runPixel_);
        } else {
            sendCode(runCode(left));
        }
    }
    resetOutClear();
}

void TRLEEncoder::flushRun(std::int64_t count)
{
    if (count == 1) {
        sendCode(runPixel_);
    } else if (clearPending_) {
        flushFromClear(count);
    } else if (tableMax_ < 2 || tablePixel_ != runPixel_) {
        flushByClearOrRepeat(count);
    } else {
        flushWithTable(count);
    }
}

void TRLEEncoder::Compress(const std::uint8_t* pixels, std::size_t count)
{
    outBumpStart_ = clearCode_ - 1;
    outClearStart_ = initialBits_ <= 3 ? 9 : clearCode_ - 2;
    maxCodes_ = 4095 - firstFreeCode_;
    clear();
    runPixel_ = -1;
    std::int64_t runCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int c = pixels[i];
        if (c >= colorCount_) failColorNotInTable();
        if (runCount > 0 && c != runPixel_) {
            flushRun(runCount);
            runCount = 0;
        }
        if (c == runPixel_) {
            ++runCount;
        } else {
            runPixel_ = c;
            runCount = 1;
        }
    }
    if (runCount > 0) flushRun(runCount);
}

}  // namespace nimbrel
