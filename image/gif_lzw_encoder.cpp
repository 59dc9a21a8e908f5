#include "image/gif_lzw_encoder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "image/pixel_runs.h"

namespace nimbrel {

// 256 pixels x 4096 prefixes of 16-bit codes (2 MB); 0 means no entry, as no
// string is ever given a code below clear code + 2. Pixel-major order keeps a
// run of one colour, whose prefixes are codes made one after the other, on
// neighbouring cache lines. Making and zeroing that much memory would cost
// more than encoding a button, so each thread keeps one table and every
// encoder leaves it empty again (a restart resets only the entries it made).
//
// Beside it, the strings that are runs of one colour: the table always holds
// c, cc, ... up to some longest run of each colour c (a string's prefix is in
// the table before the string is), so a run in the pixels can be followed to
// its longest code in one step instead of one lookup per pixel. Button images
// are mostly such runs.
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
    // Empties the string table; the one-pixel strings are runs of length 1.
    void clear(int colorCount)
    {
        for (std::uint32_t key : used_) codes_[key] = 0;
        used_.clear();
        for (int c : runColorsUsed_) longerRuns_[static_cast<std::size_t>(c)].clear();
        runColorsUsed_.clear();
        for (int c = 0; c < colorCount; ++c) {
            runLength_[c] = 1;
            runColor_[c] = static_cast<std::uint8_t>(c);
        }
    }

    // The n of a code for n pixels of colour runColor(code); 0 for other strings.
    int runLength(int code) const { return runLength_[code]; }
    int runColor(int code) const { return runColor_[code]; }
    // The longest run of colour c the table holds, and the code for n <= that of them.
    int longestRun(int c) const { return 1 + static_cast<int>(longerRuns_[static_cast<std::size_t>(c)].size()); }
    int runCode(int c, int n) const
    {
        return n == 1 ? c : longerRuns_[static_cast<std::size_t>(c)][static_cast<std::size_t>(n - 2)];
    }
    // Records what a new code stands for: one pixel of c more than prefix.
    void noteString(int code, int prefix, int c)
    {
        const int n = runLength_[prefix];
        if (n == 0 || runColor_[prefix] != c) {
            runLength_[code] = 0;
            return;
        }
        runLength_[code] = static_cast<std::uint16_t>(n + 1);
        runColor_[code] = static_cast<std::uint8_t>(c);
        std::vector<std::uint16_t>& runs = longerRuns_[static_cast<std::size_t>(c)];
        if (runs.empty()) runColorsUsed_.push_back(c);
        runs.push_back(static_cast<std::uint16_t>(code));
    }

    bool busy = false;

private:
    static constexpr std::size_t kSize = 4096 * 256;
    std::unique_ptr<std::uint16_t[]> codes_;
    std::vector<std::uint32_t> used_;
    std::uint16_t runLength_[4096] = {};
    std::uint8_t runColor_[4096] = {};
    std::vector<std::uint16_t> longerRuns_[256];  // codes of cc, ccc, ...
    std::vector<int> runColorsUsed_;
};

namespace {

LzwChildTable& threadTable()
{
    thread_local LzwChildTable table;
    return table;
}

}  // namespace

LzwEncoder::LzwEncoder(ByteSink& sink, int colorCount, int initialBits)
    : GifEncoder(sink, colorCount, initialBits), table_(&threadTable())
{
    if (table_->busy) {
        ownTable_ = std::make_unique<LzwChildTable>();
        table_ = ownTable_.get();
    }
    table_->busy = true;
}

LzwEncoder::~LzwEncoder()
{
    table_->clear(0);
    table_->busy = false;
}

inline void LzwEncoder::outputCode(int code)
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
    table_->clear(colorCount_);
    firstFreeCode_ = clearCode_ + 2;
}

namespace {

// Whether most pixels repeat the one before: then following runs pays. On
// busy images (a dithered photo) the test of each pixel against the one
// before mispredicts too often and costs more than it saves.
bool mostlyRuns(const std::uint8_t* pixels, std::size_t count)
{
    std::size_t changes = 0, i = 1;
    for (; i + 8 <= count; i += 8)
        changes += static_cast<std::size_t>(((pixel_runs::boundaryMask(pixels + i) >> 7) * pixel_runs::kOnes) >> 56);
    for (; i < count; ++i) changes += pixels[i] != pixels[i - 1];
    return changes * 4 <= count;
}

}  // namespace

void LzwEncoder::compress(const std::uint8_t* pixels, std::size_t count)
{
    if (count == 0) return;
    if (mostlyRuns(pixels, count)) {
        compressWith<true>(pixels, count);
    } else {
        compressWith<false>(pixels, count);
    }
}

template <bool FollowRuns>
void LzwEncoder::compressWith(const std::uint8_t* pixels, std::size_t count)
{
    clear();
    int prefix = pixels[0];
    if (prefix >= colorCount_) failColorNotInTable();
    const std::uint16_t* codes = table_->codes();
    LzwChildTable& table = *table_;
    for (std::size_t i = 1; i < count;) {
        const int c = pixels[i];
        if (c >= colorCount_) failColorNotInTable();
        // A run of c after a string that is itself a run of c: the lookups one
        // pixel at a time would go on as far as the table's longest run.
        if (FollowRuns) {
            const int n = table.runLength(prefix);
            const int longest = n != 0 && table.runColor(prefix) == c ? table.longestRun(c) : 0;
            if (longest > n) {
                const std::size_t limit = std::min<std::size_t>(static_cast<std::size_t>(longest - n), count - i);
                const std::size_t k =
                    pixel_runs::runEnd(pixels, i + 1, i + limit, static_cast<std::uint8_t>(c)) - i;
                prefix = table.runCode(c, n + static_cast<int>(k));
                i += k;
                continue;
            }
        }
        const std::uint32_t key = LzwChildTable::keyOf(prefix, c);
        const int code = codes[key];
        ++i;
        if (code != 0) {
            prefix = code;
            continue;
        }
        outputCode(prefix);
        // Restart one code early: 4095 is never given out.
        if (firstFreeCode_ >= 4095) {
            clear();
        } else {
            table.add(key, firstFreeCode_);
            if (FollowRuns) table.noteString(firstFreeCode_, prefix, c);
            ++firstFreeCode_;
        }
        prefix = c;
    }
    outputCode(prefix);
}

}  // namespace nimbrel
