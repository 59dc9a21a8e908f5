#pragma once
// dither engines walk the image in a serpentine order (even rows left to
// right, odd rows right to left) and turn each source colour into a palette
// index. The base engine is the nearest-colour method: it passes every pixel
// to the lookup unchanged.
#include "image/color_lookup.h"

namespace nimbrel {

class DitherEngine {
public:
    DitherEngine(int width, ColorLookup& lookup) : width_(width), lookup_(lookup) {}
    virtual ~DitherEngine() = default;
    DitherEngine(const DitherEngine&) = delete;
    DitherEngine& operator=(const DitherEngine&) = delete;

    int column() const { return column_; }
    int direction() const { return direction_; }

    // Index for the pixel at column(); moves the column by the direction.
    virtual int dither(int red, int green, int blue);
    // Called after each row: reverses the direction of the walk.
    virtual void nextLine();

protected:
    // source + (gathered + divisor / 2) div divisor, truncated towards zero,
    // then clamped to a channel value.
    static int correct(int source, int gathered, int divisor)
    {
        const int v = source + (gathered + divisor / 2) / divisor;
        return v < 0 ? 0 : (v > 255 ? 255 : v);
    }

    // Error engines keep the three channels in four lanes (the fourth stays
    // zero), which the compiler turns into one vector operation per step.
    static constexpr int kLanes = 4;

    int direction_ = 1;
    int column_ = 0;
    int width_;
    ColorLookup& lookup_;
};

}  // namespace nimbrel
