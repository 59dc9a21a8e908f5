#include "image/bmp_writer.h"

#include "image/bmp_bytes.h"
#include "base/file_io.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Bgr24View& image)
{
    if (image.empty()) return {};
    checkImageSize(image.width, image.height);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height);

    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    appendLe32(out, kHeadersSize + imageSize);
    appendLe16(out, 0);
    appendLe16(out, 0);
    appendLe32(out, kHeadersSize);

    appendLe32(out, 40);
    appendLe32(out, static_cast<std::uint32_t>(image.width));
    appendLe32(out, static_cast<std::uint32_t>(image.height));
    appendLe16(out, 1);   // planes
    appendLe16(out, 24);  // bits per pixel
    appendLe32(out, 0);   // no compression
    appendLe32(out, imageSize);
    for (int unused = 0; unused < 4; ++unused) appendLe32(out, 0);  // resolution, colour counts

    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.row(y);
        out.insert(out.end(), row, row + rowBytes);
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

void saveBmpFile(const std::string& fileName, const Bgr24View& image)
{
    writeFileAtomically(fileName, encodeBmp(image));
}

}  // namespace nimbrel
