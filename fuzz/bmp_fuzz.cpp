// Feeds arbitrary bytes to the BMP decoder, large declared sizes included: every
// check before the pixels are allocated runs for them, and the allocation itself
// is refused above a million pixels, so one run stays quick. Anything decoded
// that is small enough to compare must survive a trip through the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/error.h"
#include "image/bmp_reader.h"
#include "image/bmp_writer.h"

namespace {

constexpr long long kAllocationLimitPixels = 1 << 20;

nimbrel::Bgr24Image decodeWithinLimit(const std::uint8_t* data, std::size_t size)
{
    nimbrel::Bgr24Image image;
    nimbrel::decodeBmpInto(data, size, [&image](int width, int height) {
        if (static_cast<long long>(width) * height > kAllocationLimitPixels)
            throw nimbrel::Error("over the allocation limit of the fuzz target");
        image = nimbrel::Bgr24Image(width, height);
        return image.canvas();
    });
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const nimbrel::Bgr24Image image = decodeWithinLimit(data, size);
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
