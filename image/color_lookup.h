#pragma once
// Colour lookups: map a 24-bit colour to a palette index and hand back the
// palette colour chosen, which the error-diffusion engines need.
#include <cstdint>
#include <memory>
#include <vector>

#include "image/color.h"
#include "image/palettes.h"

namespace nimbrel {

// A palette index and the palette colour it stands for (0x00BBGGRR). Two
// plain 32-bit values come back in one register, which matters once per pixel.
struct LookupResult {
    int index;
    Color color;
};

class ColorLookup {
public:
    explicit ColorLookup(int colorCount) : colorCount_(colorCount) {}
    virtual ~ColorLookup() = default;
    ColorLookup(const ColorLookup&) = delete;
    ColorLookup& operator=(const ColorLookup&) = delete;

    int colorCount() const { return colorCount_; }
    // Channels are 0 to 255. The index is below colorCount().
    virtual LookupResult lookup(int red, int green, int blue) = 0;

private:
    int colorCount_;
};

// The lookups below are final and define lookup() here, so the conversion loop,
// which is instantiated for each of them, calls them directly and inline.

// Nearest palette colour by the sum of absolute channel differences, cached
// per 15-bit colour cell. The cache is deliberately coarse: the first colour
// searched in a cell decides the index for every later colour of that cell, so
// results depend on the order in which pixels are looked up.
class FastColorLookup final : public ColorLookup {
public:
    explicit FastColorLookup(const Palette& palette);
    LookupResult lookup(int red, int green, int blue) override
    {
        const int cell = cellOf(red, green, blue);
        if (!filled(cell)) fill(cell, search(red, green, blue));
        const int index = cells_[cell];
        return {index, packed_[index]};
    }

    static int cellOf(int red, int green, int blue)
    {
        return (red >> 3) | ((green >> 3) << 5) | ((blue >> 3) << 10);
    }

private:
    int search(int red, int green, int blue) const;

    bool filled(int cell) const { return (filled_[cell >> 6] >> (cell & 63)) & 1; }
    void fill(int cell, int index)
    {
        cells_[cell] = static_cast<std::uint8_t>(index);
        filled_[cell >> 6] |= std::uint64_t(1) << (cell & 63);
    }

    Palette palette_;
    // The cache of 32768 cells: an index byte per cell and a bit that says the
    // cell holds one, so that a new lookup clears 4 KB instead of 64 KB.
    std::unique_ptr<std::uint8_t[]> cells_;
    std::vector<std::uint64_t> filled_;
    Color packed_[256] = {};
    // The palette by channel, for the search.
    std::int32_t reds_[256] = {};
    std::int32_t greens_[256] = {};
    std::int32_t blues_[256] = {};
};

// The 6 x 6 x 6 cube; each channel level is (value + 3) div 51.
class WebColorLookup final : public ColorLookup {
public:
    WebColorLookup() : ColorLookup(216) {}
    LookupResult lookup(int red, int green, int blue) override
    {
        const int r = (red + 3) / 51;
        const int g = (green + 3) / 51;
        const int b = (blue + 3) / 51;
        return {36 * r + 6 * g + b, makeColor(51 * r, 51 * g, 51 * b)};
    }
};

// 256 greys by the weighted luminance (77 R + 150 G + 29 B) div 256.
class GrayScaleLookup final : public ColorLookup {
public:
    GrayScaleLookup() : ColorLookup(256) {}
    LookupResult lookup(int red, int green, int blue) override
    {
        const int y = (77 * red + 150 * green + 29 * blue) / 256;
        return {y, makeColor(y, y, y)};
    }
};

// Black or white: white when the weighted luminance is above 127 x 256.
class MonochromeLookup final : public ColorLookup {
public:
    MonochromeLookup() : ColorLookup(2) {}
    LookupResult lookup(int red, int green, int blue) override
    {
        if (77 * red + 150 * green + 29 * blue > 32512) return {1, makeColor(255, 255, 255)};
        return {0, makeColor(0, 0, 0)};
    }
};

}  // namespace nimbrel
