#include "image/exact_colors.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "image/color_lookup.h"
#include "image/pixel_runs.h"

namespace nimbrel {
namespace {

// Colours by the fast lookup's 15-bit cell, which answers "new colour",
// "seen, with this id" and "another colour holds this cell" with one load and
// no branch that the pixels can make hard to predict. Each thread keeps one
// table; a use stamps its entries with a generation, so a new image starts
// without clearing 32768 entries.
class CellTable {
public:
    // Starts an image; ids are handed out from 0.
    void begin()
    {
        if (++generation_ == 256) {
            std::fill(std::begin(tags_), std::end(tags_), 0u);
            generation_ = 1;
        }
        stamp_ = generation_ << 24;
        count_ = 0;
    }
    std::uint32_t stamp() const { return stamp_; }
    std::uint32_t tag(unsigned cell) const { return tags_[cell]; }
    std::uint8_t id(unsigned cell) const { return ids_[cell]; }
    // A colour (bits 0 to 23) in its cell; false when that would be colour number limit + 1.
    bool add(unsigned cell, Color color, int limit)
    {
        if (count_ == limit) return false;
        tags_[cell] = color | stamp_;
        ids_[cell] = static_cast<std::uint8_t>(count_);
        colors_[static_cast<std::size_t>(count_++)] = color;
        return true;
    }
    int count() const { return count_; }
    Color color(int id) const { return colors_[static_cast<std::size_t>(id)]; }

private:
    std::uint32_t tags_[1 << 15] = {};  // colour | generation << 24; 0: never used
    std::uint8_t ids_[1 << 15] = {};
    Color colors_[256] = {};
    std::uint32_t generation_ = 0;
    std::uint32_t stamp_ = 0;
    int count_ = 0;
};

CellTable& threadCellTable()
{
    thread_local std::unique_ptr<CellTable> table = std::make_unique<CellTable>();
    return *table;
}

// index = place[index] for every byte, eight at a time in a plain word: left to
// itself, the compiler gathers them through the stack, at a stall per 16 bytes.
void renumber(std::uint8_t* p, std::size_t n, const std::array<std::uint8_t, 256>& place)
{
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        std::uint64_t mapped = 0;
        for (int k = 0; k < 64; k += 8) mapped |= static_cast<std::uint64_t>(place[(word >> k) & 0xFF]) << k;
        std::memcpy(p + i, &mapped, 8);
    }
    for (; i < n; ++i) p[i] = place[p[i]];
}

bool sameAsOnePixelBack(const std::uint8_t* p) { return pixel_runs::load8(p) == pixel_runs::load8(p - 3); }

// Bit i of a byte moved to bit 3i.
constexpr std::uint32_t spreadBits(int byte)
{
    std::uint32_t out = 0;
    for (int i = 0; i < 8; ++i) out |= static_cast<std::uint32_t>((byte >> i) & 1) << (3 * i);
    return out;
}

// The octree's walk order: from the top bit down, red, green, blue.
std::uint32_t treeOrderKey(Color c)
{
    return spreadBits(redOf(c)) << 2 | spreadBits(greenOf(c)) << 1 | spreadBits(blueOf(c));
}

}  // namespace

bool reduceToExactColors(const Bgr24View& source, int maxColors, IndexedImage& out)
{
    const int limit = std::min(maxColors, 256);
    const int width = source.width, height = source.height;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);

    CellTable& table = threadCellTable();
    table.begin();
    const std::uint32_t stamp = table.stamp();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    // Buttons repeat most rows (the face above and below the caption, the
    // borders): such a row takes the indexes of the one above once they are final.
    std::vector<bool> repeats(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = source.row(y);
        std::uint8_t* indexes = out.row(y);
        if (y > 0 && std::memcmp(p, source.row(y - 1), rowBytes) == 0) {
            repeats[static_cast<std::size_t>(y)] = true;
            continue;
        }
        for (int x = 0; x < width;) {
            const Color color = makeColor(p[2], p[1], p[0]);
            const unsigned cell = static_cast<unsigned>(FastColorLookup::cellOf(p[2], p[1], p[0]));
            const std::uint32_t tag = table.tag(cell);
            if (tag != (color | stamp)) {
                // Another colour of this image in the cell: the lookup would answer one of them with the other.
                if ((tag & 0xFF000000u) == stamp || !table.add(cell, color, limit)) return false;
            }
            const std::uint8_t id = table.id(cell);
            indexes[x++] = id;
            p += 3;
            // The run that follows, two pixels at a time: eight bytes equal to the
            // eight one pixel back mean the next two pixels repeat this one.
            while (x + 3 <= width && sameAsOnePixelBack(p)) {
                indexes[x] = id;
                indexes[x + 1] = id;
                x += 2;
                p += 6;
            }
        }
    }

    const int count = table.count();
    std::array<std::uint32_t, 256> order{};  // tree order key << 8 | id
    for (int id = 0; id < count; ++id)
        order[static_cast<std::size_t>(id)] = treeOrderKey(table.color(id)) << 8 | static_cast<std::uint32_t>(id);
    std::sort(order.begin(), order.begin() + count);

    std::array<std::uint8_t, 256> place{};
    out.colorTable.fill(Rgb{});
    for (int i = 0; i < count; ++i) {
        const int id = static_cast<int>(order[static_cast<std::size_t>(i)] & 0xFF);
        const Color c = table.color(id);
        place[static_cast<std::size_t>(id)] = static_cast<std::uint8_t>(i);
        out.colorTable[static_cast<std::size_t>(i)] = Rgb{redOf(c), greenOf(c), blueOf(c)};
    }
    for (int y = 0; y < height; ++y) {
        if (repeats[static_cast<std::size_t>(y)]) {
            std::memcpy(out.row(y), out.row(y - 1), static_cast<std::size_t>(width));
        } else {
            renumber(out.row(y), static_cast<std::size_t>(width), place);
        }
    }
    return true;
}

}  // namespace nimbrel
