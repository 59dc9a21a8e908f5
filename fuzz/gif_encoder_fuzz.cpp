// GIF encoder: an arbitrary small image under arbitrary options either converts
// or fails with the program's error; what converts must decode, with a decoder
// nobody here wrote, to exactly the indexes the encoder held.
#include <fuzzer/FuzzedDataProvider.h>
#include <gif_lib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/error.h"
#include "image/gif_image.h"

namespace {

struct Reader {
    const std::vector<std::uint8_t>& bytes;
    std::size_t position = 0;
};

int readBytes(GifFileType* gif, GifByteType* out, int size)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(reader->bytes.size() - reader->position, size);
    std::memcpy(out, reader->bytes.data() + reader->position, n);
    reader->position += n;
    return static_cast<int>(n);
}

void expectSameIndexes(const std::vector<std::uint8_t>& stream, const nimbrel::GifSubImage& image)
{
    Reader reader{stream};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readBytes, &error);
    if (!gif) std::abort();
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) std::abort();
    const SavedImage& decoded = gif->SavedImages[0];
    if (decoded.ImageDesc.Width != image.width || decoded.ImageDesc.Height != image.height) std::abort();
    if (std::memcmp(decoded.RasterBits, image.pixels.data(), image.pixels.size()) != 0) std::abort();
    DGifCloseFile(gif, &error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    FuzzedDataProvider in(data, size);
    GifImage gif;
    gif.setColorReduction(static_cast<ColorReduction>(in.ConsumeIntegralInRange(0, 6)));
    gif.setDitherMethod(static_cast<DitherMethod>(in.ConsumeIntegralInRange(0, 6)));
    gif.setCompression(static_cast<GifCompression>(in.ConsumeIntegralInRange(0, 1)));
    const int width = in.ConsumeIntegralInRange(1, 96);
    const int height = in.ConsumeIntegralInRange(1, 64);
    try {
        gif.setReductionBits(in.ConsumeIntegralInRange(2, 9));
    } catch (const Error&) {
    }
    // Few distinct colours exercise the exact-palette paths, many the reductions.
    const std::vector<std::uint8_t> colors = in.ConsumeBytes<std::uint8_t>(3 * in.ConsumeIntegralInRange(1, 300));
    if (colors.size() < 3) return 0;
    const std::vector<std::uint8_t> choice = in.ConsumeRemainingBytes<std::uint8_t>();
    Bgr24Image image(width, height);
    const std::size_t colorCount = colors.size() / 3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t k = static_cast<std::size_t>(y) * width + x;
            const std::size_t c = choice.empty() ? k % colorCount : choice[k % choice.size()] % colorCount;
            std::memcpy(image.row(y) + x * 3, colors.data() + 3 * c, 3);
        }
    try {
        gif.assign(image.view());
        expectSameIndexes(gif.saveToBytes(), gif.images().at(0));
    } catch (const Error&) {
    }
    return 0;
}
