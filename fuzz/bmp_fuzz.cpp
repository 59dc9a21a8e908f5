// Feeds arbitrary bytes to the BMP decoder, large declared sizes included (run it
// with -malloc_limit_mb above the 256 MB image limit: a decoder that takes more
// than one image's worth of memory is a finding). Anything it accepts that is
// small enough to compare quickly must survive a trip through the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "image/bmp_reader.h"
#include "image/bmp_writer.h"
#include "base/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const nimbrel::Bgr24Image image = nimbrel::decodeBmp(data, size);
        if (static_cast<long long>(image.width()) * image.height() > (1 << 16)) return 0;
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
