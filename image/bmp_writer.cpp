#include "image/bmp_writer.h"

#include "image/bmp_bytes.h"
#include "base/file_io.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

}  // namespace

void writeBmp(const Bgr24View& image, FileWriter& out)
{
    if (image.empty()) return;
    checkImageSize(image.width, image.height);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height);

    std::vector<std::uint8_t> headers;
    headers.push_back('B');
    headers.push_back('M');
    appendLe32(headers, kHeadersSize + imageSize);
    appendLe16(headers, 0);
    appendLe16(headers, 0);
    appendLe32(headers, kHeadersSize);

    appendLe32(headers, 40);
    appendLe32(headers, static_cast<std::uint32_t>(image.width));
    appendLe32(headers, static_cast<std::uint32_t>(image.height));
    appendLe16(headers, 1);   // planes
    appendLe16(headers, 24);  // bits per pixel
    appendLe32(headers, 0);   // no compression
    appendLe32(headers, imageSize);
    for (int unused = 0; unused < 4; ++unused) appendLe32(headers, 0);  // resolution, colour counts
    out.write(headers.data(), headers.size());

    const std::uint8_t padding[3] = {};
    for (int y = image.height - 1; y >= 0; --y) {
        out.write(image.row(y), rowBytes);
        out.write(padding, stride - rowBytes);
    }
}

std::vector<std::uint8_t> encodeBmp(const Bgr24View& image)
{
    struct VectorWriter : FileWriter {
        std::vector<std::uint8_t> bytes;
        void write(const void* data, std::size_t size) override
        {
            const auto* p = static_cast<const std::uint8_t*>(data);
            bytes.insert(bytes.end(), p, p + size);
        }
    } out;
    writeBmp(image, out);
    return std::move(out.bytes);
}

void saveBmpFile(const std::string& fileName, const Bgr24View& image)
{
    // Row by row through the file's buffer: a large button needs no second copy in memory.
    writeFileAtomically(
        fileName, [&](FileWriter& out) { writeBmp(image, out); }, FileSync::None);
}

}  // namespace nimbrel
