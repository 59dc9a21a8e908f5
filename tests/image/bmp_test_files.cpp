#include "bmp_test_files.h"

#include "image/bmp_bytes.h"

namespace nimbrel::testing {

std::vector<std::uint8_t> buildBmp(const BmpFileSpec& spec)
{
    std::vector<std::uint8_t> info;
    appendLe32(info, spec.headerSize);
    if (spec.headerSize == 12) {
        appendLe16(info, static_cast<std::uint16_t>(spec.width));
        appendLe16(info, static_cast<std::uint16_t>(spec.height));
        appendLe16(info, 1);
        appendLe16(info, spec.bitCount);
    } else {
        appendLe32(info, static_cast<std::uint32_t>(spec.width));
        appendLe32(info, static_cast<std::uint32_t>(spec.height));
        appendLe16(info, 1);
        appendLe16(info, spec.bitCount);
        appendLe32(info, spec.compression);
        appendLe32(info, static_cast<std::uint32_t>(spec.pixels.size()));
        appendLe32(info, 2835);  // resolution, which the decoder ignores
        appendLe32(info, 2835);
        appendLe32(info, spec.colorsUsed);
        appendLe32(info, 0);
    }
    const bool masksInside = spec.headerSize >= 52 && spec.headerSize != 64;
    if (masksInside)
        for (const std::uint32_t mask : spec.masks) appendLe32(info, mask);
    info.resize(spec.headerSize, 0);
    if (!masksInside)
        for (const std::uint32_t mask : spec.masks) appendLe32(info, mask);
    for (const Color c : spec.palette) {
        info.push_back(blueOf(c));
        info.push_back(greenOf(c));
        info.push_back(redOf(c));
        if (spec.headerSize != 12) info.push_back(0);
    }

    const std::uint32_t offset = spec.pixelOffset.value_or(static_cast<std::uint32_t>(14 + info.size()));
    std::vector<std::uint8_t> file = {'B', 'M'};
    appendLe32(file, static_cast<std::uint32_t>(14 + info.size() + spec.pixels.size()));
    appendLe32(file, 0);
    appendLe32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    if (file.size() < offset) file.resize(offset, 0);
    file.insert(file.end(), spec.pixels.begin(), spec.pixels.end());
    return file;
}

std::vector<std::uint8_t> paddedRows(const std::vector<std::vector<std::uint8_t>>& rows)
{
    std::vector<std::uint8_t> out;
    for (const auto& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

std::vector<std::uint8_t> packIndexes(int bits, const std::vector<int>& indexes)
{
    std::vector<std::uint8_t> out((indexes.size() * bits + 7) / 8, 0);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const std::size_t bit = i * bits;
        out[bit / 8] |= static_cast<std::uint8_t>(indexes[i] << (8 - bits - bit % 8));
    }
    return out;
}

std::vector<std::uint8_t> words16(const std::vector<std::uint16_t>& values)
{
    std::vector<std::uint8_t> out;
    for (const std::uint16_t v : values) appendLe16(out, v);
    return out;
}

std::vector<std::uint8_t> words32(const std::vector<std::uint32_t>& values)
{
    std::vector<std::uint8_t> out;
    for (const std::uint32_t v : values) appendLe32(out, v);
    return out;
}

std::vector<Color> colorsOf(const Bgr24Image& image)
{
    std::vector<Color> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) out.push_back(image.pixel(x, y));
    return out;
}

}  // namespace nimbrel::testing
