#include "image/exact_colors.h"

#include <algorithm>
#include <array>

#include "image/color_lookup.h"

namespace nimbrel {
namespace {

// Open addressing over twice the most colours there can be: never full.
class ColorIds {
public:
    static constexpr int kSlots = 512;

    // The id of a colour (0, 1, ... in order of first sight); -1 when it would be
    // colour number limit + 1.
    int idOf(Color color, int limit)
    {
        unsigned slot = (color * 2654435761u) >> 23;
        for (;; slot = (slot + 1) & (kSlots - 1)) {
            if (keys_[slot] == color) return ids_[slot];
            if (keys_[slot] == kEmpty) break;
        }
        if (count_ == limit) return -1;
        keys_[slot] = color;
        ids_[slot] = static_cast<std::uint8_t>(count_);
        colors_[static_cast<std::size_t>(count_)] = color;
        return count_++;
    }
    int count() const { return count_; }
    Color color(int id) const { return colors_[static_cast<std::size_t>(id)]; }

private:
    static constexpr Color kEmpty = 0xFFFFFFFF;  // no pixel colour has a top byte
    std::array<Color, kSlots> keys_ = filled();
    std::array<std::uint8_t, kSlots> ids_{};
    std::array<Color, 256> colors_{};
    int count_ = 0;

    static std::array<Color, kSlots> filled()
    {
        std::array<Color, kSlots> keys{};
        keys.fill(kEmpty);
        return keys;
    }
};

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
    out.width = source.width;
    out.height = source.height;
    out.pixels.resize(static_cast<std::size_t>(source.width) * source.height);

    ColorIds ids;
    Color last = 0xFFFFFFFF;
    std::uint8_t lastId = 0;
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* p = source.row(y);
        std::uint8_t* indexes = out.row(y);
        for (int x = 0; x < source.width; ++x, p += 3) {
            const Color color = makeColor(p[2], p[1], p[0]);
            if (color != last) {
                const int id = ids.idOf(color, limit);
                if (id < 0) return false;
                last = color;
                lastId = static_cast<std::uint8_t>(id);
            }
            indexes[x] = lastId;
        }
    }

    const int count = ids.count();
    std::array<std::uint32_t, 256> order{};  // tree order key << 8 | id
    std::array<std::uint16_t, 256> cells{};
    for (int id = 0; id < count; ++id) {
        const Color c = ids.color(id);
        order[static_cast<std::size_t>(id)] = treeOrderKey(c) << 8 | static_cast<std::uint32_t>(id);
        cells[static_cast<std::size_t>(id)] =
            static_cast<std::uint16_t>(FastColorLookup::cellOf(redOf(c), greenOf(c), blueOf(c)));
    }
    std::sort(cells.begin(), cells.begin() + count);
    if (std::adjacent_find(cells.begin(), cells.begin() + count) != cells.begin() + count) return false;
    std::sort(order.begin(), order.begin() + count);

    std::array<std::uint8_t, 256> place{};
    out.colorTable.fill(Rgb{});
    for (int i = 0; i < count; ++i) {
        const int id = static_cast<int>(order[static_cast<std::size_t>(i)] & 0xFF);
        const Color c = ids.color(id);
        place[static_cast<std::size_t>(id)] = static_cast<std::uint8_t>(i);
        out.colorTable[static_cast<std::size_t>(i)] = Rgb{redOf(c), greenOf(c), blueOf(c)};
    }
    for (std::uint8_t& index : out.pixels) index = place[index];
    return true;
}

}  // namespace nimbrel
