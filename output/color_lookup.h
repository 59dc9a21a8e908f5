#pragma once
// Colour lookups: map a 24-bit colour to a palette index and hand back the
// palette colour chosen, which the error-diffusion engines need.
#include <cstdint>
#include <vector>

#include "output/palettes.h"

namespace nimbrel {

// A palette index and the palette colour it stands for. Small enough to come
// back in registers, which matters once per pixel.
struct LookupResult {
    int index;
    Rgb color;
};

class TColorLookup {
public:
    explicit TColorLookup(int colorCount) : colorCount_(colorCount) {}
    virtual ~TColorLookup() = default;
    TColorLookup(const TColorLookup&) = delete;
    TColorLookup& operator=(const TColorLookup&) = delete;

    int colorCount() const { return colorCount_; }
    // Channels are 0 to 255. The index is below colorCount().
    virtual LookupResult Lookup(int red, int green, int blue) = 0;

private:
    int colorCount_;
};

// Nearest palette colour by the sum of absolute channel differences, cached
// per 15-bit colour cell. The cache is deliberately coarse: the first colour
// searched in a cell decides the index for every later colour of that cell, so
// results depend on the order in which pixels are looked up.
class TFastColorLookup : public TColorLookup {
public:
    explicit TFastColorLookup(const Palette& palette);
    LookupResult Lookup(int red, int green, int blue) override;

    static int cellOf(int red, int green, int blue)
    {
        return (red >> 3) | ((green >> 3) << 5) | ((blue >> 3) << 10);
    }

private:
    int search(int red, int green, int blue) const;

    static constexpr std::uint16_t kEmpty = 0xFFFF;
    Palette palette_;
    std::vector<std::uint16_t> cache_;
    // The palette by channel, for the search.
    std::int32_t reds_[256] = {};
    std::int32_t greens_[256] = {};
    std::int32_t blues_[256] = {};
};

// The 6 x 6 x 6 cube; each channel level is (value + 3) div 51.
class TNetscapeColorLookup : public TColorLookup {
public:
    TNetscapeColorLookup() : TColorLookup(216) {}
    LookupResult Lookup(int red, int green, int blue) override;
};

// 256 greys by the weighted luminance (77 R + 150 G + 29 B) div 256.
class TGrayScaleLookup : public TColorLookup {
public:
    TGrayScaleLookup() : TColorLookup(256) {}
    LookupResult Lookup(int red, int green, int blue) override;
};

// Black or white: white when the weighted luminance is above 127 x 256.
class TMonochromeLookup : public TColorLookup {
public:
    TMonochromeLookup() : TColorLookup(2) {}
    LookupResult Lookup(int red, int green, int blue) override;
};

}  // namespace nimbrel
