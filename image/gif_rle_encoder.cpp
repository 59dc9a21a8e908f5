#include "image/gif_rle_encoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/pixel_runs.h"

namespace nimbrel {

std::int64_t rleTriangleCost(std::int64_t count, std::int64_t k)
{
    const std::int64_t perFill = k * (k + 1) / 2;
    std::int64_t cost = 0;
    while (count >= perFill) {
        cost += k;
        count -= perFill;
    }
    if (count > 0) {
        // The smallest n with n(n + 1) at least 2 count: start near the square
        // root of 2 count and step to it; the start only saves steps.
        std::int64_t n = static_cast<std::int64_t>(std::sqrt(2.0 * static_cast<double>(count)));
        while (n > 0 && n * (n + 1) >= 2 * count) --n;
        while (n * (n + 1) < 2 * count) ++n;
        cost += n;
    }
    return cost;
}

RleEncoder::RleEncoder(ByteSink& sink, int colorCount, int initialBits)
    : GifEncoder(sink, colorCount, initialBits)
{
}

[[gnu::always_inline]] inline void RleEncoder::sendCode(int code)
{
    if (clearPending_) clearPending_ = false;  // doubles as "just cleared"
    outputBits(code);
    ++outCount_;
    if (outCount_ >= outBump_) {
        ++codeSize_;
        outBump_ += 1 << (codeSize_ - 1);
    }
    if (outCount_ >= outClear_) clear();
}

__attribute__((noinline)) void RleEncoder::clear()
{
    outBump_ = outBumpStart_;
    outClear_ = outClearStart_;
    outCount_ = 0;
    tableMax_ = 0;
    clearPending_ = true;
    outputBits(clearCode_);
    codeSize_ = initialCodeSize_;
}

void RleEncoder::resetOutClear()
{
    outClear_ = outClearStart_;
    if (outCount_ >= outClear_) clear();
}

void RleEncoder::flushFromClear(std::int64_t count)
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

void RleEncoder::flushByClearOrRepeat(std::int64_t count)
{
    // Up to four pixels never cost more than rebuilding the runs (T >= count - 1).
    if (count > 1 + cost(count)) {
        clear();
        flushFromClear(count);
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) sendCode(runPixel_);
}

void RleEncoder::flushWithTable(std::int64_t count)
{
    // Short runs are the rule; 32-bit division is much cheaper than 64-bit.
    std::int64_t reps;
    std::int64_t left;
    if (count <= INT32_MAX) {
        reps = static_cast<std::int32_t>(count) / tableMax_;
        left = static_cast<std::int32_t>(count) % tableMax_;
    } else {
        reps = count / tableMax_;
        left = count % tableMax_;
    }
    std::int64_t extra = left > 0 ? 1 : 0;
    if (outCount_ + reps + extra > maxCodes_) {
        reps = maxCodes_ - outCount_;
        left = count - reps * tableMax_;
        extra = 1 + cost(left);
    }
    if (1 + cost(count) < reps + extra) {
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

void RleEncoder::flushRun(std::int64_t count)
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

using namespace pixel_runs;

void RleEncoder::compress(const std::uint8_t* pixels, std::size_t count)
{
    outBumpStart_ = clearCode_ - 1;
    outClearStart_ = initialBits_ <= 3 ? 9 : clearCode_ - 2;
    maxCodes_ = 4095 - firstFreeCode_;
    // Below one table fill (thousands of codes), a run of c pixels costs the
    // smallest n with n(n + 1) / 2 at least c.
    for (int c = 0, n = 0; c < kCostTableSize; ++c) {
        while (n * (n + 1) / 2 < c) ++n;
        smallCosts_[c] = static_cast<std::int16_t>(n);
    }
    clear();
    runPixel_ = -1;
    if (count == 0) return;

    // Codes go out up to the first index outside the colour map; the run in
    // progress there is not sent.
    std::size_t valid = count;
    if (colorCount_ < 256) {
        valid = 0;
        while (valid < count && pixels[valid] < colorCount_) ++valid;
        if (valid == 0) failColorNotInTable();
    }

    // Runs end where a pixel differs from the one before; detailed images end
    // a run at almost every pixel, so the ends are found eight pixels at a time.
    runPixel_ = pixels[0];
    std::size_t runStart = 0;

    // Most runs are a pixel or a few repeated pixel codes far from the next
    // code-size step or clear. Those codes go out through a local copy of the
    // code output and code count, which go back to the members before any
    // other step runs.
    GifCodeBits bits = bits_;
    int outCount = outCount_;
    int nextEvent = std::min(outBump_, outClear_);
    auto spill = [&] {
        bits_ = bits;
        outCount_ = outCount;
    };
    auto reload = [&] {
        bits = bits_;
        outCount = outCount_;
        nextEvent = std::min(outBump_, outClear_);
    };
    auto endRunAt = [&](std::size_t i) {
        const std::size_t length = i - runStart;
        const bool repeats =
            length == 1 || (length <= 4 && (tableMax_ < 2 || tablePixel_ != runPixel_));  // as flushRun would
        if (repeats && !clearPending_ && outCount + static_cast<int>(length) < nextEvent) {
            for (std::size_t k = 0; k < length; ++k) bits.put(runPixel_, codeSize_, writer_);
            outCount += static_cast<int>(length);
        } else {
            spill();
            flushRun(static_cast<std::int64_t>(length));
            reload();
        }
        runStart = i;
        runPixel_ = pixels[i];
    };
    // Dense images are mostly runs of one to four pixels, and such a run,
    // unless it repeats the colour of the runs in the table, goes out as one
    // code per pixel. So from the start of a run, the pixels up to the last run
    // end among the next eight, or up to the first run that is longer than four
    // or repeats the table's colour, go out in one plain loop when no code-size
    // step or clear falls among them; anything else goes run by run.
    while (runStart + 9 <= valid) {
        if (!clearPending_) {
            const std::uint64_t ends = boundaryMask(pixels + runStart + 1);  // lane k: an end at runStart + 1 + k
            if (ends != 0) {
                const int lastEnd = 7 - (__builtin_clzll(ends) >> 3);
                const std::uint64_t lanes = (std::uint64_t(1) << (8 * lastEnd)) - 1;  // lanes before the last end
                const std::uint64_t same = ~ends & kHigh;  // lane k: pixel k + 1 repeats pixel k
                // Lane k starts a run of five or more, or a run of two or more
                // of the table's colour; such a run starts at a run end.
                std::uint64_t perRun = same & (same >> 8) & (same >> 16) & (same >> 24);
                if (tableMax_ >= 2)
                    perRun |= ~nonZeroBytes(load8(pixels + runStart) ^ (kOnes * static_cast<std::uint8_t>(tablePixel_))) &
                              same;
                perRun &= lanes;
                const int n = perRun ? static_cast<int>(__builtin_ctzll(perRun) >> 3) : lastEnd + 1;
                if (n > 0 && outCount + n < nextEvent) {
                    const int codeSize = codeSize_;
                    for (int k = 0; k < n; ++k) bits.put(pixels[runStart + k], codeSize, writer_);
                    outCount += n;
                    runStart += static_cast<std::size_t>(n);
                    runPixel_ = pixels[runStart];
                    continue;
                }
            }
        }
        const std::size_t end = runEnd(pixels, runStart + 1, valid, static_cast<std::uint8_t>(runPixel_));
        if (end == valid) break;
        endRunAt(end);
    }
    for (std::size_t i = runStart + 1; i < valid; ++i)
        if (pixels[i] != pixels[i - 1]) endRunAt(i);
    spill();
    if (valid < count) failColorNotInTable();
    flushRun(static_cast<std::int64_t>(valid - runStart));
}

}  // namespace nimbrel
