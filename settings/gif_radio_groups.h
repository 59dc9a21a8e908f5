#pragma once
// The four GIF option groups of the "Output Options" tab as radio groups: one
// item per row of the choice tables (image/gif_choices.h), in their order, so
// a stored or shown item index is a row of its table.
#include <iterator>

#include "image/gif_choices.h"

namespace nimbrel {

inline constexpr int kColorReductionItems = static_cast<int>(std::size(kColorReductionChoices));
inline constexpr int kDitheringItems = static_cast<int>(std::size(kDitherChoices));
inline constexpr int kGifCompressionItems = static_cast<int>(std::size(kCompressionChoices));
inline constexpr int kReductionBitsItems = static_cast<int>(std::size(kReductionBitsChoices));

// The index a radio group of itemCount items ends up with when given `index`:
// past the last item it selects the last, below 0 nothing (-1).
int radioGroupIndex(long long index, int itemCount);

// The choice a group given `index` shows. A group with nothing selected keeps
// what a GIF starts with; the bits group then gives 2 bits, which a GIF refuses.
ColorReduction colorReductionAt(long long index);
DitherMethod ditherMethodAt(long long index);
GifCompression gifCompressionAt(long long index);
int reductionBitsAt(long long index);

}  // namespace nimbrel
