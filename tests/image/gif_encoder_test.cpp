// Byte-exact behaviour of the image-data encoders and the sub-block packing.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/error.h"
#include "image/gif_image_data.h"
#include "image/gif_rle_encoder.h"
#include "support/gif_test_support.h"

namespace nimbrel {
namespace {

using gif_test::noiseIndexes;
using gif_test::readCodes;

std::vector<std::uint8_t> imageData(const std::vector<std::uint8_t>& pixels, GifCompression compression,
                                    int colorCount = 256, int initialBits = 8)
{
    std::vector<std::uint8_t> bytes;
    VectorByteSink sink(bytes);
    writeGifImageData(sink, pixels.data(), pixels.size(), colorCount, initialBits, compression);
    return bytes;
}

std::vector<int> codesOf(const std::vector<std::uint8_t>& pixels, GifCompression compression)
{
    const auto bytes = imageData(pixels, compression);
    EXPECT_EQ(bytes.front(), 8);
    EXPECT_EQ(bytes.back(), 0);
    return readCodes(std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end()), 8);
}

TEST(GifLzw, TwoEqualPixelsGiveTheFourNineBitCodes)
{
    EXPECT_EQ(imageData({0, 0}, GifCompression::Lzw), (std::vector<std::uint8_t>{8, 5, 0, 1, 0, 8, 8, 0}));
    EXPECT_EQ(codesOf({0, 1, 0, 1}, GifCompression::Lzw), (std::vector<int>{256, 0, 1, 258, 257}));
}

TEST(GifLzw, NoPixelsGiveOnlyTheEndCode)
{
    EXPECT_EQ(imageData({}, GifCompression::Lzw), (std::vector<std::uint8_t>{8, 2, 1, 1, 0}));
    EXPECT_EQ(imageData({}, GifCompression::Rle), (std::vector<std::uint8_t>{8, 2, 1, 1, 0}));
}

// Noise of 256 colours makes almost every string new, so the table fills
// quickly: the code width must grow exactly when a decoder's does, and the
// table must restart when the first free code reaches 4095.
TEST(GifLzw, RestartsTheTableAtCode4095)
{
    const auto pixels = noiseIndexes(40000);
    const auto codes = codesOf(pixels, GifCompression::Lzw);
    ASSERT_EQ(codes.back(), 257);
    EXPECT_LE(*std::max_element(codes.begin(), codes.end()), 4094);
    std::vector<std::size_t> clears;
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == 256) clears.push_back(i);
    ASSERT_GE(clears.size(), 3u);
    EXPECT_EQ(clears[0], 0u);
    // A restart follows the code sent while the first free code is 4095:
    // codes sent with first free codes 258 to 4095 lie between two clears.
    for (std::size_t i = 1; i < clears.size(); ++i) EXPECT_EQ(clears[i] - clears[i - 1] - 1, 3838u);
    // The stream decodes back to the pixels (so the widths were right).
    std::vector<std::uint8_t> file = {'G', 'I',  'F', '8', '7', 'a', 0x40, 0x9C, 1, 0, 0x77, 0,
                                      0,   0x2C, 0,   0,   0,   0,   0x40, 0x9C, 1, 0, 0x87};
    for (int i = 0; i < 256; ++i)
        file.insert(file.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)});
    const auto data = imageData(pixels, GifCompression::Lzw);
    file.insert(file.end(), data.begin(), data.end());
    file.push_back(0x3B);
    EXPECT_EQ(gif_test::decodeWithGiflib(file).pixels, pixels);
}

TEST(GifLzw, RejectsIndexesOutsideTheColorMap)
{
    try {
        imageData({0, 1, 2, 9}, GifCompression::Lzw, 4, 2);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Color not in color table");
    }
    EXPECT_THROW(imageData({5}, GifCompression::Lzw, 4, 2), Error);
    EXPECT_THROW(imageData({0, 0, 5}, GifCompression::Rle, 4, 2), Error);
}

TEST(GifRle, SendsSinglePixelsAndRunsBuiltUpFromAClear)
{
    EXPECT_EQ(imageData({0, 1, 0, 1}, GifCompression::Rle),
              (std::vector<std::uint8_t>{8, 7, 0, 1, 4, 0, 0x10, 0x20, 0x20, 0}));
    EXPECT_EQ(codesOf({0, 0, 0, 0, 0, 0}, GifCompression::Rle), (std::vector<int>{256, 0, 258, 259, 257}));
    EXPECT_EQ(codesOf({0, 0, 0, 0}, GifCompression::Rle), (std::vector<int>{256, 0, 258, 0, 257}));
    EXPECT_EQ(codesOf({0, 0, 0, 1, 0, 0, 0}, GifCompression::Rle),
              (std::vector<int>{256, 0, 258, 1, 258, 0, 257}));
}

TEST(GifRle, ClearsEvery254PixelCodesWithoutRuns)
{
    std::vector<std::uint8_t> pixels(1000);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i % 3);
    const auto codes = codesOf(pixels, GifCompression::Rle);
    std::vector<std::size_t> clears;
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == 256) clears.push_back(i);
    ASSERT_EQ(clears.size(), 4u);  // 1000 codes: at the start and after 254, 508, 762
    for (std::size_t i = 1; i < clears.size(); ++i) EXPECT_EQ(clears[i] - clears[i - 1] - 1, 254u);
    // Every code stays 9 bits wide: 1000 + 4 + 1 codes.
    const auto bytes = imageData(pixels, GifCompression::Rle);
    std::size_t dataBytes = 0;
    for (std::size_t p = 1; bytes[p] != 0; p += bytes[p] + 1) dataBytes += bytes[p];
    EXPECT_EQ(dataBytes, (1005 * 9 + 7) / 8);
}

TEST(GifRle, LongRunsRoundTripThroughAStandardDecoder)
{
    // Many long runs of one colour fill the decoder's table with repeats of
    // its longest run, which forces clears in the middle of a run.
    std::vector<std::uint8_t> pixels;
    for (int run : {1, 2, 3, 7, 100, 5000, 20, 1})
        pixels.insert(pixels.end(), static_cast<std::size_t>(run), static_cast<std::uint8_t>(run % 7));
    for (int i = 0; i < 1500; ++i) {
        pixels.insert(pixels.end(), static_cast<std::size_t>(300 + i % 17), 4);
        pixels.push_back(static_cast<std::uint8_t>(i % 3));
    }
    const int w = 1000;
    pixels.resize((pixels.size() + w - 1) / w * w, 3);
    const int h = static_cast<int>(pixels.size() / w);
    std::vector<std::uint8_t> file = {'G',
                                      'I',
                                      'F',
                                      '8',
                                      '7',
                                      'a',
                                      std::uint8_t(w & 0xFF),
                                      std::uint8_t(w >> 8),
                                      std::uint8_t(h & 0xFF),
                                      std::uint8_t(h >> 8),
                                      0x77,
                                      0,
                                      0,
                                      0x2C,
                                      0,
                                      0,
                                      0,
                                      0,
                                      std::uint8_t(w & 0xFF),
                                      std::uint8_t(w >> 8),
                                      std::uint8_t(h & 0xFF),
                                      std::uint8_t(h >> 8),
                                      0x87};
    file.resize(file.size() + 768, 0);
    const auto data = imageData(pixels, GifCompression::Rle);
    const auto codes = readCodes(std::vector<std::uint8_t>(data.begin() + 1, data.end()), 8);
    EXPECT_GT(std::count(codes.begin(), codes.end(), 256), 5);
    file.insert(file.end(), data.begin(), data.end());
    file.push_back(0x3B);
    EXPECT_EQ(gif_test::decodeWithGiflib(file).pixels, pixels);
}

TEST(GifRle, TriangleCostMatchesBuildingRunsOneLongerEachTime)
{
    // Against building the runs one by one.
    for (std::int64_t k : {2, 5, 3837})
        for (std::int64_t count = 0; count < 3000; ++count) {
            std::int64_t left = count, codes = 0, run = 1;
            while (left > 0) {
                left -= std::min(run, left);
                ++codes;
                run = run == k ? 1 : run + 1;
            }
            ASSERT_EQ(rleTriangleCost(count, k), codes) << count << " " << k;
        }
}

// Sub-blocks hold at most 255 bytes; data of exactly 255 bytes is one full
// block, with no empty block before the terminator.
TEST(GifSubBlocks, SplitsAt255Bytes)
{
    auto dataLength = [](std::size_t pixelCount) {
        std::vector<std::uint8_t> pixels(pixelCount);
        for (std::size_t i = 0; i < pixelCount; ++i) pixels[i] = static_cast<std::uint8_t>(i % 2);
        return imageData(pixels, GifCompression::Rle);
    };
    bool sawExact = false;
    bool sawOneMore = false;
    for (std::size_t n = 200; n < 260; ++n) {
        const auto bytes = dataLength(n);
        const std::size_t payload = bytes.size() - 3;  // code size byte, one count byte, terminator
        if (payload == 255) {
            sawExact = true;
            EXPECT_EQ(bytes[1], 255);
            EXPECT_EQ(bytes.size(), 258u);
            EXPECT_EQ(bytes.back(), 0);
        }
        if (bytes.size() == 260) {
            sawOneMore = true;  // 256 data bytes: 255 + 1
            EXPECT_EQ(bytes[1], 255);
            EXPECT_EQ(bytes[257], 1);
            EXPECT_EQ(bytes[259], 0);
        }
    }
    EXPECT_TRUE(sawExact);
    EXPECT_TRUE(sawOneMore);

    const auto big = imageData(noiseIndexes(5000), GifCompression::Lzw);
    std::size_t p = 1;
    std::vector<int> lengths;
    while (big[p] != 0) {
        lengths.push_back(big[p]);
        p += big[p] + 1;
    }
    EXPECT_EQ(p, big.size() - 1);
    ASSERT_GT(lengths.size(), 2u);
    EXPECT_TRUE(std::all_of(lengths.begin(), lengths.end() - 1, [](int n) { return n == 255; }));
    EXPECT_LT(lengths.back(), 255);
}

}  // namespace
}  // namespace nimbrel
