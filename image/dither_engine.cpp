#include "image/dither_engine.h"

namespace nimbrel {

int DitherEngine::dither(int red, int green, int blue)
{
    const int index = lookup_.lookup(red, green, blue).index;
    column_ += direction_;
    return index;
}

void DitherEngine::nextLine()
{
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
}

}  // namespace nimbrel
