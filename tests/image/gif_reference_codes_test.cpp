// The encoders are tuned for speed (run scanning eight pixels at a time, a
// dense LZW child table, cached costs). These tests hold them to plain,
// pixel-by-pixel versions of the same rules on images that reach every case.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "image/gif_image_data.h"
#include "support/gif_test_support.h"

namespace nimbrel {
namespace {

std::vector<int> ourCodes(const std::vector<std::uint8_t>& pixels, GifCompression compression)
{
    std::vector<std::uint8_t> bytes;
    VectorByteSink sink(bytes);
    writeGifImageData(sink, pixels.data(), pixels.size(), 256, 8, compression);
    return gif_test::readCodes(std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end()), 8);
}

std::vector<int> referenceLzw(const std::vector<std::uint8_t>& pixels)
{
    std::vector<int> codes{256};
    std::map<int, int> table;
    int next = 258;
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const auto found = table.find(prefix * 256 + pixels[i]);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        codes.push_back(prefix);
        if (next >= 4095) {
            codes.push_back(256);
            table.clear();
            next = 258;
        } else {
            table[prefix * 256 + pixels[i]] = next++;
        }
        prefix = pixels[i];
    }
    codes.push_back(prefix);
    codes.push_back(257);
    return codes;
}

// The run-length rules for a 256-entry map, one pixel at a time.
class ReferenceRle {
public:
    std::vector<int> encode(const std::vector<std::uint8_t>& pixels)
    {
        clear();
        long long count = 0;
        for (int c : pixels) {
            if (count > 0 && c != pixel) {
                flush(count);
                count = 0;
            }
            if (c == pixel) {
                ++count;
            } else {
                pixel = c;
                count = 1;
            }
        }
        flush(count);
        codes.push_back(257);
        return codes;
    }

private:
    static long long cost(long long count)
    {
        const long long k = 3837, per = k * (k + 1) / 2;
        long long total = 0;
        for (; count >= per; count -= per) total += k;
        long long n = 0;
        while (n * (n + 1) < 2 * count) ++n;
        return total + n;
    }
    void send(int code)
    {
        justCleared = false;
        codes.push_back(code);
        ++outCount;
        if (outCount >= outBump) {
            ++codeSize;
            outBump += 1 << (codeSize - 1);
        }
        if (outCount >= outClear) clear();
    }
    void clear()
    {
        outBump = 255;
        outClear = 254;
        outCount = 0;
        tableMax = 0;
        justCleared = true;
        codes.push_back(256);
        codeSize = 9;
    }
    void resetOutClear()
    {
        outClear = 254;
        if (outCount >= outClear) clear();
    }
    void fromClear(long long count)
    {
        outClear = 3837;
        tablePixel = pixel;
        long long n = 1;
        while (count > 0) {
            if (n == 1) {
                tableMax = 1;
                send(pixel);
                --count;
            } else if (n <= count) {
                tableMax = static_cast<int>(n);
                send(258 + static_cast<int>(n) - 2);
                count -= n;
            } else if (count == 1) {
                ++tableMax;
                send(pixel);
                break;
            } else {
                ++tableMax;
                send(258 + static_cast<int>(count) - 2);
                break;
            }
            n = outCount == 0 ? 1 : n + 1;
        }
        resetOutClear();
    }
    void flush(long long count)
    {
        if (count == 1) {
            send(pixel);
        } else if (justCleared) {
            fromClear(count);
        } else if (tableMax < 2 || tablePixel != pixel) {
            if (count > 1 + cost(count)) {
                clear();
                fromClear(count);
            } else {
                for (long long i = 0; i < count; ++i) send(pixel);
            }
        } else {
            long long reps = count / tableMax, left = count % tableMax, extra = left > 0 ? 1 : 0;
            if (outCount + reps + extra > 3837) {
                reps = 3837 - outCount;
                left = count - reps * tableMax;
                extra = 1 + cost(left);
            }
            if (1 + cost(count) < reps + extra) {
                clear();
                fromClear(count);
                return;
            }
            outClear = 3837;
            for (long long i = 0; i < reps; ++i) send(258 + tableMax - 2);
            if (left > 0) {
                if (justCleared) {
                    fromClear(left);
                } else if (left == 1) {
                    send(pixel);
                } else {
                    send(258 + static_cast<int>(left) - 2);
                }
            }
            resetOutClear();
        }
    }

    std::vector<int> codes;
    int pixel = -1, codeSize = 9, outCount = 0, outBump = 255, outClear = 254, tableMax = 0, tablePixel = 0;
    bool justCleared = false;
};

// Runs of random colours from a small or a full palette, with lengths drawn
// from short, medium and very long, plus stretches where one colour comes
// back again and again.
std::vector<std::uint8_t> mixedRuns(int colors, std::size_t total, unsigned seed)
{
    std::vector<std::uint8_t> pixels;
    std::uint32_t state = seed;
    auto next = [&] { return (state = state * 1664525u + 1013904223u) >> 8; };
    while (pixels.size() < total) {
        const std::uint32_t kind = next() % 10;
        const std::size_t length = kind < 6   ? 1 + next() % 4
                                   : kind < 9 ? 5 + next() % 60
                                              : 100 + next() % 20000;
        const auto color = static_cast<std::uint8_t>(kind == 8 ? 0 : next() % colors);
        pixels.insert(pixels.end(), length, color);
    }
    pixels.resize(total);
    return pixels;
}

// Runs of one colour after strings that end in that colour and after strings
// that do not, growing until the table restarts in the middle of a run.
std::vector<std::uint8_t> growingRuns()
{
    std::vector<std::uint8_t> pixels;
    for (int k = 1; pixels.size() < 60000; k = k % 97 + 1) {
        pixels.push_back(static_cast<std::uint8_t>(k % 3));
        pixels.insert(pixels.end(), static_cast<std::size_t>(k), 7);
        pixels.push_back(7);
        pixels.insert(pixels.end(), static_cast<std::size_t>(k % 5), 4);
    }
    return pixels;
}

// Rows of a button: face with a border, some rows with a caption's short runs.
std::vector<std::uint8_t> buttonRows()
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 120; ++x) {
            std::uint8_t c = x < 2 || y < 2 ? 1 : x > 117 || y > 29 ? 2 : 0;
            if (y > 9 && y < 23 && x > 20 && x < 100 && (x * 7 + y * 3) % 11 < 3) c = static_cast<std::uint8_t>(3 + x % 4);
            pixels.push_back(c);
        }
    return pixels;
}

TEST(GifReferenceCodes, EncodersMatchThePlainRules)
{
    std::vector<std::vector<std::uint8_t>> images = {gif_test::noiseIndexes(30000),
                                                     mixedRuns(2, 200000, 1),
                                                     mixedRuns(7, 200000, 2),
                                                     mixedRuns(256, 200000, 3),
                                                     std::vector<std::uint8_t>(100000, 9),
                                                     growingRuns(),
                                                     buttonRows(),
                                                     {5},
                                                     {1, 2}};
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ourCodes(images[i], GifCompression::Lzw), referenceLzw(images[i]));
        EXPECT_EQ(ourCodes(images[i], GifCompression::Rle), ReferenceRle().encode(images[i]));
    }
}

}  // namespace
}  // namespace nimbrel
