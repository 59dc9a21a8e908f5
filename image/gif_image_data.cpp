#include "image/gif_image_data.h"

#include "image/gif_lzw_encoder.h"
#include "image/gif_rle_encoder.h"

namespace nimbrel {
namespace {

template <class Encoder>
void encode(ByteSink& sink, const std::uint8_t* pixels, std::size_t count, int colorCount, int initialBits)
{
    Encoder encoder(sink, colorCount, initialBits);
    if (count > 0) encoder.compress(pixels, count);
    encoder.finish();
}

}  // namespace

void writeGifImageData(ByteSink& sink, const std::uint8_t* pixels, std::size_t count, int colorCount,
                       int initialBits, GifCompression compression)
{
    sink.put(static_cast<std::uint8_t>(initialBits));
    if (compression == GifCompression::Rle) {
        encode<RleEncoder>(sink, pixels, count, colorCount, initialBits);
    } else {
        encode<LzwEncoder>(sink, pixels, count, colorCount, initialBits);
    }
    sink.put(0);
}

}  // namespace nimbrel
