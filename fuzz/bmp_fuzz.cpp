// Feeds arbitrary bytes to the BMP decoder. Anything it accepts must survive a trip
// through the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "image/bmp_header.h"
#include "image/bmp_reader.h"
#include "image/bmp_writer.h"
#include "base/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        // Big images are legal but only slow the search down; the header checks still run.
        const nimbrel::BmpHeader header = nimbrel::parseBmpHeader(data, size);
        if (static_cast<long long>(header.width) * header.height > (1 << 16)) return 0;

        const nimbrel::Bgr24Image image = nimbrel::decodeBmp(data, size);
        const std::vector<std::uint8_t> written = nimbrel::encodeBmp(image.view());
        if (image.empty()) {
            if (!written.empty()) std::abort();
            return 0;
        }
        const nimbrel::Bgr24Image back = nimbrel::decodeBmp(written.data(), written.size());
        if (back.width() != image.width() || back.height() != image.height()) std::abort();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (back.pixel(x, y) != image.pixel(x, y)) std::abort();
    } catch (const nimbrel::Error&) {
    }
    return 0;
}
