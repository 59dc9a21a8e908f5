// The decoder over generated files of every kind it reads.
#include <gtest/gtest.h>

#include <tuple>

#include "bmp_test_files.h"
#include "image/bmp_reader.h"

namespace nimbrel {
namespace {

using testing::BmpFileSpec;
using testing::buildBmp;
using testing::colorsOf;
using testing::packIndexes;
using testing::paddedRows;
using testing::words16;
using testing::words32;

Bgr24Image decode(const std::vector<std::uint8_t>& file)
{
    return decodeBmp(file.data(), file.size());
}

std::vector<Color> distinctPalette(int entries)
{
    std::vector<Color> palette;
    for (int i = 0; i < entries; ++i) palette.push_back(makeColor(i * 7 + 1, i * 13 + 2, 255 - i));
    return palette;
}

class IndexedBmp : public ::testing::TestWithParam<std::tuple<int, std::uint32_t>> {};

TEST_P(IndexedBmp, MapsEveryBitPositionThroughTheColorTable)
{
    const auto [bits, headerSize] = GetParam();
    const int max = (1 << bits) - 1;
    std::vector<int> top, bottom;
    for (int i = 0; i < 11; ++i) {  // 11 pixels cross byte borders at every depth
        top.push_back((i * 5 + max) % (max + 1));
        bottom.push_back((i * 3 + 1) % (max + 1));
    }
    BmpFileSpec spec;
    spec.headerSize = headerSize;
    spec.width = 11;
    spec.height = 2;
    spec.bitCount = static_cast<std::uint16_t>(bits);
    spec.palette = distinctPalette(max + 1);
    spec.pixels = paddedRows({packIndexes(bits, bottom), packIndexes(bits, top)});

    const Bgr24Image image = decode(buildBmp(spec));
    ASSERT_EQ(image.width(), 11);
    ASSERT_EQ(image.height(), 2);
    for (int x = 0; x < 11; ++x) {
        EXPECT_EQ(image.pixel(x, 0), spec.palette[top[x]]) << "x " << x;
        EXPECT_EQ(image.pixel(x, 1), spec.palette[bottom[x]]) << "x " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(DepthsAndHeaders, IndexedBmp,
                         ::testing::Combine(::testing::Values(1, 2, 4, 8),
                                            ::testing::Values(12u, 16u, 40u, 64u, 124u)));

TEST(BmpColorTable, ShortTablesServeTheIndexesTheyHold)
{
    BmpFileSpec spec;
    spec.width = 3;
    spec.bitCount = 8;
    spec.pixels = paddedRows({{0, 1, 2}});
    spec.palette = distinctPalette(3);

    spec.colorsUsed = 3;  // said by the header
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), spec.palette);

    spec.colorsUsed = 0;  // a full table is due, but the pixel data starts after three entries
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), spec.palette);

    spec.headerSize = 12;  // OS/2 1.x: three-byte entries
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), spec.palette);
}

TEST(Bmp16Bits, DefaultsToFiveBitsEachScaledToFullRange)
{
    BmpFileSpec spec;
    spec.width = 7;
    spec.bitCount = 16;
    spec.pixels = paddedRows({words16({0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x8000, 16 << 10, 0x0001})});
    const std::vector<Color> expected = {makeColor(255, 255, 255), makeColor(255, 0, 0), makeColor(0, 255, 0),
                                         makeColor(0, 0, 255),     makeColor(0, 0, 0),   makeColor(132, 0, 0),
                                         makeColor(0, 0, 8)};
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), expected);

    // Mask fields of a long header count only with bit-field compression.
    spec.headerSize = 124;
    spec.masks = {0xF800, 0x07E0, 0x001F, 0};
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), expected);
}

TEST(Bmp16Bits, ReadsFiveSixFiveAndOtherMasksAfterOrInsideTheHeader)
{
    BmpFileSpec spec;
    spec.width = 4;
    spec.bitCount = 16;
    spec.compression = 3;
    spec.masks = {0xF800, 0x07E0, 0x001F};
    spec.pixels = paddedRows({words16({0xFFFF, 32 << 5, 0x001F, 0xF800 | 63 << 5})});
    const std::vector<Color> expected = {makeColor(255, 255, 255), makeColor(0, 130, 0), makeColor(0, 0, 255),
                                         makeColor(255, 255, 0)};
    for (const std::uint32_t headerSize : {40u, 52u, 56u, 108u}) {
        spec.headerSize = headerSize;
        EXPECT_EQ(colorsOf(decode(buildBmp(spec))), expected) << headerSize;
    }

    spec.headerSize = 40;
    spec.masks = {0x0F00, 0x00F0, 0x000F};  // 4-4-4; the top nibble is unused
    spec.pixels = paddedRows({words16({0x0F00, 0x0008, 0xF000, 0x0FFF})});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))),
              (std::vector<Color>{makeColor(255, 0, 0), makeColor(0, 0, 136), makeColor(0, 0, 0),
                                  makeColor(255, 255, 255)}));
}

TEST(Bmp32Bits, IgnoresAlphaAndHonoursMasks)
{
    BmpFileSpec spec;
    spec.width = 2;
    spec.bitCount = 32;
    spec.pixels = words32({0xFF102030, 0x00ABCDEF});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))),
              (std::vector<Color>{makeColor(0x10, 0x20, 0x30), makeColor(0xAB, 0xCD, 0xEF)}));

    spec.compression = 3;  // red in the low byte
    spec.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    spec.pixels = words32({0xFF302010, 0});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec)))[0], makeColor(0x10, 0x20, 0x30));

    spec.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};  // 10-10-10 scaled down
    spec.pixels = words32({1023u << 20 | 512u << 10, 0xC0000000 | 1});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))),
              (std::vector<Color>{makeColor(255, 128, 0), makeColor(0, 0, 0)}));

    spec.compression = 6;  // alpha bit fields: a fourth mask after a 40-byte header
    spec.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    spec.pixels = words32({0x80102030, 0});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec)))[0], makeColor(0x10, 0x20, 0x30));
}

class Bmp24BitsUnderEveryHeader : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Bmp24BitsUnderEveryHeader, StoresRowsBottomUpWithPadding)
{
    BmpFileSpec spec;
    spec.headerSize = GetParam();
    spec.width = 2;
    spec.height = 2;
    spec.pixels = paddedRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    const std::vector<Color> expected = {makeColor(9, 8, 7), makeColor(12, 11, 10), makeColor(3, 2, 1),
                                         makeColor(6, 5, 4)};
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), expected);
}

INSTANTIATE_TEST_SUITE_P(Headers, Bmp24BitsUnderEveryHeader,
                         ::testing::Values(12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u));

TEST(BmpRowOrder, NegativeHeightMeansTopDown)
{
    BmpFileSpec spec;
    spec.width = 1;
    spec.height = -3;
    spec.pixels = paddedRows({{1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))),
              (std::vector<Color>{makeColor(0, 0, 1), makeColor(0, 0, 2), makeColor(0, 0, 3)}));
}

TEST(BmpRowOrder, LastRowMayLackItsPadding)
{
    BmpFileSpec spec;
    spec.width = 1;
    spec.height = 2;
    spec.pixels = {1, 2, 3, 0, 4, 5, 6};
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), (std::vector<Color>{makeColor(6, 5, 4), makeColor(3, 2, 1)}));
}

TEST(BmpRle8, DecodesRunsAbsoluteRunsDeltasAndEscapes)
{
    BmpFileSpec spec;
    spec.width = 6;
    spec.height = 4;
    spec.bitCount = 8;
    spec.compression = 1;
    spec.palette = {makeColor(9, 8, 7), makeColor(255, 0, 0), makeColor(0, 255, 0), makeColor(0, 0, 255)};
    spec.pixels = {
        3, 1, 0, 3, 2, 3, 2, 0,  // bottom row: run, then an odd absolute run and its pad byte
        0, 0,                    // end of line
        0, 2, 2, 1,              // delta: skip the rest of row 1 and two pixels of row 2
        2, 3, 0, 0,              // run, end of line
        1, 2, 0, 1,              // run, end of bitmap
    };
    const Color s = spec.palette[0];  // pixels the stream skips
    const Color r = spec.palette[1], g = spec.palette[2], b = spec.palette[3];
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), (std::vector<Color>{
                                                    g, s, s, s, s, s,  //
                                                    s, s, b, b, s, s,  //
                                                    s, s, s, s, s, s,  //
                                                    r, r, r, g, b, g,
                                                }));

    spec.height = -4;  // top-down: the stream's rows run from the top
    EXPECT_EQ(colorsOf(decode(buildBmp(spec)))[0], r);
}

TEST(BmpRle4, AlternatesNibblesInRunsAndPadsAbsoluteRuns)
{
    BmpFileSpec spec;
    spec.width = 5;
    spec.height = 3;
    spec.bitCount = 4;
    spec.compression = 2;
    spec.palette = distinctPalette(4);
    spec.pixels = {
        5, 0x12, 0,    0,                       // 1 2 1 2 1
        0, 3,    0x31, 0x20, 2,    0x30, 0, 0,  // absolute 3 1 2, then run 3 0
        0, 5,    0x12, 0x30, 0x10, 0,    0, 1,  // absolute 1 2 3 0 1 with its pad byte
    };
    const auto& p = spec.palette;
    EXPECT_EQ(colorsOf(decode(buildBmp(spec))), (std::vector<Color>{
                                                    p[1],
                                                    p[2],
                                                    p[3],
                                                    p[0],
                                                    p[1],  //
                                                    p[3],
                                                    p[1],
                                                    p[2],
                                                    p[3],
                                                    p[0],  //
                                                    p[1],
                                                    p[2],
                                                    p[1],
                                                    p[2],
                                                    p[1],
                                                }));
}

TEST(BmpEmpty, ZeroWidthOrHeightGivesAnEmptyImage)
{
    for (const auto& [width, height] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}}) {
        BmpFileSpec spec;
        spec.width = width;
        spec.height = height;
        spec.bitCount = 8;  // no colour table needed for no pixels
        const Bgr24Image image = decode(buildBmp(spec));
        EXPECT_TRUE(image.empty());
        EXPECT_EQ(image.width(), width);
        EXPECT_EQ(image.height(), height);
    }
}

}  // namespace
}  // namespace nimbrel
