// Files the decoder must refuse with a clear message: not a BMP, cut short, too large,
// unsupported or inconsistent.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "bmp_test_files.h"
#include "image/bmp_reader.h"
#include "base/error.h"

namespace nimbrel {
namespace {

using testing::BmpFileSpec;
using testing::buildBmp;
using testing::paddedRows;
using testing::words16;

// The decoder's message for the file, or "" when it decodes.
std::string failureOf(const std::vector<std::uint8_t>& file)
{
    try {
        decodeBmp(file.data(), file.size());
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

BmpFileSpec rle8Spec(std::vector<std::uint8_t> stream, int width = 4, int height = 2)
{
    BmpFileSpec spec;
    spec.width = width;
    spec.height = height;
    spec.bitCount = 8;
    spec.compression = 1;
    spec.palette = {0x000000, 0xFFFFFF};
    spec.pixels = std::move(stream);
    return spec;
}

TEST(BmpNotABitmap, FailsWithTheUsualMessage)
{
    const std::string gif = "GIF89a\x01\x00\x01\x00\x80\x00\x00";
    const std::vector<std::vector<std::uint8_t>> files = {
        {}, {'B'}, {'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {gif.begin(), gif.end()}};
    for (const auto& file : files) EXPECT_EQ(failureOf(file), "Bitmap image is not valid");
}

// Every prefix of a good file must fail cleanly (never read past the end).
void expectEveryPrefixFails(const std::vector<std::uint8_t>& file, std::size_t keepable = 0)
{
    ASSERT_EQ(failureOf(file), "");
    for (std::size_t length = 0; length + keepable < file.size(); ++length) {
        const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + length);
        EXPECT_NE(failureOf(prefix), "") << "length " << length;
    }
}

TEST(BmpTruncated, EveryShorterFileFails)
{
    BmpFileSpec plain;
    plain.width = 2;
    plain.height = 2;
    plain.pixels = paddedRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    expectEveryPrefixFails(buildBmp(plain), 2);  // only the last row's padding may go

    BmpFileSpec masked;
    masked.width = 1;
    masked.bitCount = 16;
    masked.compression = 3;
    masked.masks = {0xF800, 0x07E0, 0x001F};
    masked.pixels = paddedRows({words16({0x1234})});
    expectEveryPrefixFails(buildBmp(masked), 2);

    BmpFileSpec os2 = plain;
    os2.headerSize = 12;
    expectEveryPrefixFails(buildBmp(os2), 2);

    // The end of bitmap comes before the last row is reached, so it cannot be spared.
    expectEveryPrefixFails(buildBmp(rle8Spec({4, 1, 0, 0, 2, 1, 0, 1})));

    const auto cut = buildBmp(plain);
    EXPECT_EQ(failureOf({cut.begin(), cut.end() - 3}), "Bitmap image is truncated");
}

TEST(BmpTruncated, RleStreamStoppingEarlyFails)
{
    EXPECT_EQ(failureOf(buildBmp(rle8Spec({4, 1, 0, 0}))), "Bitmap image is truncated");
    EXPECT_EQ(failureOf(buildBmp(rle8Spec({0, 5, 1, 1}))), "Bitmap image is truncated");  // absolute run cut
    EXPECT_EQ(failureOf(buildBmp(rle8Spec({4, 1, 0, 0, 4, 1, 0, 0}))), "");  // the last end of line suffices
}

struct UnsupportedCase {
    const char* what;
    std::uint32_t headerSize;
    std::uint16_t bitCount;
    std::uint32_t compression;
    const char* message;
};

TEST(BmpUnsupported, NamesWhatIsNotSupported)
{
    const UnsupportedCase cases[] = {
        {"header 8", 8, 24, 0, "Bitmap image has an unsupported header size (8 bytes)"},
        {"header 20", 20, 24, 0, "Bitmap image has an unsupported header size (20 bytes)"},
        {"depth 0", 40, 0, 0, "Bitmap image has an unsupported color depth (0 bits per pixel)"},
        {"depth 3", 40, 3, 0, "Bitmap image has an unsupported color depth (3 bits per pixel)"},
        {"depth 64", 40, 64, 0, "Bitmap image has an unsupported color depth (64 bits per pixel)"},
        {"JPEG", 40, 24, 4, "Bitmap image uses an unsupported compression (JPEG)"},
        {"PNG", 124, 24, 5, "Bitmap image uses an unsupported compression (PNG)"},
        {"unknown", 40, 24, 9, "Bitmap image uses an unsupported compression (9)"},
        {"OS/2 Huffman", 64, 1, 3, "Bitmap image uses an unsupported compression (Huffman)"},
        {"OS/2 RLE24", 64, 24, 4, "Bitmap image uses an unsupported compression (RLE24)"},
        {"RLE8 at 4 bits", 40, 4, 1, "4 bits per pixel, which do not suit its RLE8 compression"},
        {"RLE4 at 8 bits", 40, 8, 2, "8 bits per pixel, which do not suit its RLE4 compression"},
        {"bit fields at 24 bits", 40, 24, 3, "24 bits per pixel, which do not suit its bit fields"},
    };
    for (const auto& c : cases) {
        BmpFileSpec spec;
        spec.headerSize = c.headerSize;
        spec.bitCount = c.bitCount;
        spec.compression = c.compression;
        spec.palette = {0, 0};
        spec.masks = {0xFF0000, 0xFF00, 0xFF};
        spec.pixels.assign(16, 0);
        EXPECT_NE(failureOf(buildBmp(spec)).find(c.message), std::string::npos)
            << c.what << ": " << failureOf(buildBmp(spec));
    }
}

TEST(BmpInconsistent, RefusesBadMasks)
{
    const std::vector<std::vector<std::uint32_t>> badMasks = {
        {0xF800, 0x0FE0, 0x001F},    // overlapping
        {0xF100, 0x07E0, 0x001F},    // not contiguous
        {0x1F0000, 0x07E0, 0x001F},  // outside 16 bits
        {0, 0, 0},
    };
    for (const auto& masks : badMasks) {
        BmpFileSpec spec;
        spec.bitCount = 16;
        spec.compression = 3;
        spec.masks = masks;
        spec.pixels = {0, 0, 0, 0};
        EXPECT_EQ(failureOf(buildBmp(spec)), "Bitmap image has invalid color bit masks");
    }
}

TEST(BmpInconsistent, RefusesNegativeAndOversizedDimensions)
{
    BmpFileSpec spec;  // no pixel data at all: the size must be refused before anything is read
    spec.width = -1;
    EXPECT_EQ(failureOf(buildBmp(spec)), "Bitmap image has a negative width (-1)");
    for (const auto& [width, height] : {std::pair{40000, 1}, std::pair{1, -40000}, std::pair{20000, 20000},
                                        std::pair{1, INT_MIN}, std::pair{INT_MAX, 1}}) {
        spec.width = width;
        spec.height = height;
        EXPECT_NE(failureOf(buildBmp(spec)).find("is too large"), std::string::npos)
            << width << " x " << height;
    }
}

TEST(BmpInconsistent, RefusesPixelOffsetsOutsideTheFile)
{
    BmpFileSpec spec;
    spec.pixels = {1, 2, 3, 0};
    spec.pixelOffset = 20;
    EXPECT_EQ(failureOf(buildBmp(spec)), "Bitmap image has an invalid pixel data offset (20)");
    auto file = buildBmp(BmpFileSpec{});
    file[10] = 0xFF;  // offset far beyond the end
    EXPECT_EQ(failureOf(file), "Bitmap image is truncated");
}

TEST(BmpInconsistent, RefusesColorIndexesBeyondTheTable)
{
    BmpFileSpec spec;
    spec.width = 3;
    spec.bitCount = 8;
    spec.colorsUsed = 2;
    spec.palette = {0, 0xFFFFFF};
    spec.pixels = paddedRows({{0, 1, 2}});
    EXPECT_EQ(failureOf(buildBmp(spec)), "Bitmap image uses a color index beyond its color table");

    spec.colorsUsed = 0;
    spec.palette.clear();
    EXPECT_EQ(failureOf(buildBmp(spec)), "Bitmap image has no color table");

    EXPECT_EQ(failureOf(buildBmp(rle8Spec({1, 7, 0, 1}))),
              "Bitmap image uses a color index beyond its color table");
    EXPECT_EQ(failureOf(buildBmp(rle8Spec({0, 3, 0, 1, 2, 0, 0, 1}))),
              "Bitmap image uses a color index beyond its color table");
    BmpFileSpec rle4 = rle8Spec({4, 0x12, 0, 1});  // nibble 2 with two colours
    rle4.bitCount = 4;
    rle4.compression = 2;
    EXPECT_EQ(failureOf(buildBmp(rle4)), "Bitmap image uses a color index beyond its color table");
}

TEST(BmpInconsistent, RefusesRunLengthDataLeavingTheImage)
{
    const std::vector<std::vector<std::uint8_t>> streams = {
        {5, 1, 0, 1},              // run past the row
        {3, 1, 2, 1, 0, 1},        // second run past the row
        {0, 5, 1, 1, 1, 1, 1, 0},  // absolute run past the row
        {0, 2, 5, 0, 0, 1},        // delta past the right edge
        {0, 2, 0, 3, 0, 1},        // delta below the image
    };
    for (const auto& stream : streams)
        EXPECT_EQ(failureOf(buildBmp(rle8Spec(stream))), "Bitmap image has corrupt run-length data");
}

TEST(BmpFile, MissingFileFailsWithTheReadMessage)
{
    try {
        loadBmpFile("/nonexistent-folder/none.bmp");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file"), std::string::npos);
    }
}

}  // namespace
}  // namespace nimbrel
