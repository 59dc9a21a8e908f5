#include "image/gif_writer.h"

#include "base/error.h"

namespace nimbrel {

GifEncoder::GifEncoder(ByteSink& sink, int colorCount, int initialBits)
    : writer_(sink),
      colorCount_(colorCount),
      initialBits_(initialBits),
      initialCodeSize_(initialBits + 1),
      codeSize_(initialBits + 1),
      clearCode_(1 << initialBits),
      endCode_((1 << initialBits) + 1),
      firstFreeCode_((1 << initialBits) + 2),
      maxCode_((1 << (initialBits + 1)) - 1)
{
}

void GifEncoder::finish()
{
    outputBits(endCode_);
    bits_.flush(writer_);
    writer_.close();
}

void GifEncoder::failColorNotInTable()
{
    throw Error("Color not in color table");
}

}  // namespace nimbrel
