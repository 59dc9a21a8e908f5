#include "image/dither_engine.h"

namespace nimbrel {

int DitherEngine::Dither(int red, int green, int blue)
{
    const int index = lookup_.Lookup(red, green, blue).index;
    column_ += direction_;
    return index;
}

void DitherEngine::NextLine()
{
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
}

}  // namespace nimbrel
