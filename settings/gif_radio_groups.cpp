#include "settings/gif_radio_groups.h"

namespace nimbrel {
namespace {

template <class Value, std::size_t Items>
Value choiceAt(const GifChoice<Value> (&choices)[Items], long long index, Value none)
{
    const int item = radioGroupIndex(index, static_cast<int>(Items));
    return item < 0 ? none : choices[item].value;
}

}  // namespace

int radioGroupIndex(long long index, int itemCount)
{
    if (index < 0) return -1;
    return static_cast<int>(index < itemCount ? index : itemCount - 1);
}

ColorReduction colorReductionAt(long long index)
{
    return choiceAt(kColorReductionChoices, index, kStartColorReduction);
}

DitherMethod ditherMethodAt(long long index)
{
    return choiceAt(kDitherChoices, index, kStartDitherMethod);
}

GifCompression gifCompressionAt(long long index)
{
    return choiceAt(kCompressionChoices, index, kStartCompression);
}

int reductionBitsAt(long long index)
{
    return choiceAt(kReductionBitsChoices, index, kMinReductionBits - 1);
}

}  // namespace nimbrel
