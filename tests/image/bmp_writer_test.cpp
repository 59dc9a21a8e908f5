// The writer byte for byte, and writer -> reader round trips.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "bmp_test_files.h"
#include "image/bmp_reader.h"
#include "image/bmp_writer.h"
#include "base/error.h"
#include "base/file_io.h"
#include "support/temp_folder.h"

namespace nimbrel {
namespace {

using test::TempFolder;

Bgr24Image randomImage(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    Bgr24Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, random() & 0xFFFFFF);
    return image;
}

TEST(BmpWriter, WritesTheExactLayout)
{
    Bgr24Image image(2, 2);
    image.setPixel(0, 0, makeColor(0x01, 0x02, 0x03));
    image.setPixel(1, 0, makeColor(0x04, 0x05, 0x06));
    image.setPixel(0, 1, makeColor(0x07, 0x08, 0x09));
    image.setPixel(1, 1, makeColor(0x0A, 0x0B, 0x0C));
    const std::vector<std::uint8_t> expected = {
        'B',  'M',  70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0,  // file header: size 54 + 2 rows of 8
        40,   0,    0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0,
        24,   0,                                   // header size, width, height, planes, bits
        0,    0,    0,    0,    16,   0,    0, 0,  // no compression, image size
        0,    0,    0,    0,    0,    0,    0, 0, 0, 0, 0,  0, 0, 0,
        0,    0,                                   // resolution and colour counts
        0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0,  // bottom row first, blue green red
        0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,
    };
    EXPECT_EQ(encodeBmp(image.view()), expected);
}

TEST(BmpWriter, HonoursTheViewStride)
{
    const Bgr24Image big = randomImage(5, 3, 7);
    Bgr24View part = big.view();
    part.width = 2;  // the left two columns only
    const Bgr24Image back = [&] {
        const auto bytes = encodeBmp(part);
        return decodeBmp(bytes.data(), bytes.size());
    }();
    ASSERT_EQ(back.width(), 2);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(back.pixel(x, y), big.pixel(x, y));
}

TEST(BmpWriter, EmptyImageGivesAnEmptyFile)
{
    TempFolder folder;
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{4, 0}, std::pair{0, 4}}) {
        const Bgr24Image empty(width, height);
        EXPECT_TRUE(encodeBmp(empty.view()).empty());
        saveBmpFile(folder.file("empty.bmp"), empty.view());
        EXPECT_EQ(std::filesystem::file_size(folder.file("empty.bmp")), 0u);
    }
}

TEST(BmpRoundTrip, DecodesWhatItWrites)
{
    for (int width = 1; width <= 7; ++width)
        for (int height = 1; height <= 3; ++height) {
            const Bgr24Image image = randomImage(width, height, width * 10 + height);
            const auto bytes = encodeBmp(image.view());
            EXPECT_EQ(testing::colorsOf(decodeBmp(bytes.data(), bytes.size())), testing::colorsOf(image))
                << width << " x " << height;
        }
}

TEST(BmpRoundTrip, ThroughAFileReplacingAnOldOne)
{
    TempFolder folder;
    const std::string name = folder.file("button.bmp");
    writeFileAtomically(name, std::string("old content"));
    const Bgr24Image image = randomImage(13, 4, 1);
    saveBmpFile(name, image.view());
    EXPECT_EQ(readWholeFile(name), encodeBmp(image.view()));
    EXPECT_EQ(testing::colorsOf(loadBmpFile(name)), testing::colorsOf(image));
}

TEST(BmpFile, HugeFilesAreRefusedWithoutReadingThem)
{
    TempFolder folder;
    const std::string name = folder.file("huge.bmp");
    for (const auto& [start, message] :
         {std::pair{"BM", "Bitmap image is too large"}, std::pair{"GIF8", "Bitmap image is not valid"}}) {
        writeFileAtomically(name, std::string(start));
        std::filesystem::resize_file(name, 1ull << 30);  // sparse: takes no disk space
        try {
            loadBmpFile(name);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

}  // namespace
}  // namespace nimbrel
