#include "output/gif_image_data.h"

#include "output/gif_lzw_encoder.h"
#include "output/gif_rle_encoder.h"
#include "output/gif_writer.h"

namespace nimbrel {
namespace {

template <class Encoder>
void encode(TGIFWriter& writer, const std::uint8_t* pixels, std::size_t count, int colorCount,
            int initialBits)
{
    Encoder encoder(writer, colorCount, initialBits);
    if (count > 0) encoder.Compress(pixels, count);
    encoder.finish();
}

}  // namespace

void writeGifImageData(ByteSink& sink, const std::uint8_t* pixels, std::size_t count, int colorCount,
                       int initialBits, GifCompression compression)
{
    sink.put(static_cast<std::uint8_t>(initialBits));
    TGIFWriter writer(sink);
    if (compression == GifCompression::Rle) {
        encode<TRLEEncoder>(writer, pixels, count, colorCount, initialBits);
    } else {
        encode<TLZWEncoder>(writer, pixels, count, colorCount, initialBits);
    }
    writer.close();
    sink.put(0);
}

}  // namespace nimbrel
