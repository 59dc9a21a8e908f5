#pragma once
// LZW image data. The string table maps (prefix code, pixel) to a code; any
// exact map gives the same codes, so it is a dense child table indexed by
// prefix * 256 + pixel, reset at each restart by undoing only the entries made.
// Runs of one colour are followed through the table's run codes in one step.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "image/gif_writer.h"

namespace nimbrel {

class LzwChildTable;

class LzwEncoder : public GifEncoder {
public:
    LzwEncoder(ByteSink& sink, int colorCount, int initialBits);
    ~LzwEncoder();

    // Sends the clear code and the codes of the pixels, not the end code.
    // Fails with "Color not in color table" for an index not below the colour
    // count; the codes before it have been sent.
    void compress(const std::uint8_t* pixels, std::size_t count);

private:
    // With FollowRuns, runs of one colour go through the table's run codes.
    template <bool FollowRuns>
    void compressWith(const std::uint8_t* pixels, std::size_t count);
    [[gnu::always_inline]] inline void outputCode(int code);
    void clear();

    // This thread's table, or, while an encoder further up the stack holds
    // that one, a table of this encoder's own.
    std::unique_ptr<LzwChildTable> ownTable_;
    LzwChildTable* table_;
};

}  // namespace nimbrel
