#include "image/gif_lzw_encoder.h"

#include <memory>
#include <vector>

namespace nimbrel {

// 256 pixels x 4096 prefixes of 16-bit codes (2 MB); 0 means no entry, as no
// string is ever given a code below clear code + 2. Pixel-major order keeps a
// run of one colour, whose prefixes are codes made one after the other, on
// neighbouring cache lines. Making and zeroing that much memory would cost
// more than encoding a button, so each thread keeps one table and every
// encoder leaves it empty again (a restart resets only the entries it made).
class LzwChildTable {
public:
    LzwChildTable() : codes_(new std::uint16_t[kSize]()) { used_.reserve(4096); }

    static std::uint32_t keyOf(int prefix, int pixel)
    {
        return (static_cast<std::uint32_t>(pixel) << 12) | static_cast<std::uint32_t>(prefix);
    }
    const std::uint16_t* codes() const { return codes_.get(); }
    void add(std::uint32_t key, int code)
    {
        codes_[key] = static_cast<std::uint16_t>(code);
        used_.push_back(key);
    }
    void clear()
    {
        for (std::uint32_t key : used_) codes_[key] = 0;
        used_.clear();
    }

    bool busy = false;

private:
    static constexpr std::size_t kSize = 4096 * 256;
    std::unique_ptr<std::uint16_t[]> codes_;
    std::vector<std::uint32_t> used_;
};

namespace {

LzwChildTable& threadTable()
{
    thread_local LzwChildTable table;
    return table;
}

}  // namespace

LzwEncoder::LzwEncoder(ByteSink& sink, int colorCount, int initialBits)
    : GifEncoder(sink, colorCount, initialBits), table_(&threadTable()), ownsTable_(table_->busy)
{
    if (ownsTable_) table_ = new LzwChildTable;
    table_->busy = true;
}

LzwEncoder::~LzwEncoder()
{
    table_->clear();
    table_->busy = false;
    if (ownsTable_) delete table_;
}

void LzwEncoder::outputCode(int code)
{
    outputBits(code);
    if (clearPending_) {
        codeSize_ = initialCodeSize_;
        maxCode_ = (1 << codeSize_) - 1;
        clearPending_ = false;
    } else if (firstFreeCode_ > maxCode_) {
        ++codeSize_;
        maxCode_ = codeSize_ == 12 ? 4096 : (1 << codeSize_) - 1;
    }
}

void LzwEncoder::clear()
{
    clearPending_ = true;
    outputCode(clearCode_);
    table_->clear();
    firstFreeCode_ = clearCode_ + 2;
}

void LzwEncoder::compress(const std::uint8_t* pixels, std::size_t count)
{
    if (count == 0) return;
    clear();
    int prefix = pixels[0];
    if (prefix >= colorCount_) failColorNotInTable();
    const std::uint16_t* codes = table_->codes();
    for (std::size_t i = 1; i < count; ++i) {
        const int c = pixels[i];
        if (c >= colorCount_) failColorNotInTable();
        const std::uint32_t key = LzwChildTable::keyOf(prefix, c);
        const int code = codes[key];
        if (code != 0) {
            prefix = code;
            continue;
        }
        outputCode(prefix);
        prefix = c;
        // Restart one code early: 4095 is never given out.
        if (firstFreeCode_ >= 4095) {
            clear();
        } else {
            table_->add(key, firstFreeCode_++);
        }
    }
    outputCode(prefix);
}

}  // namespace nimbrel
