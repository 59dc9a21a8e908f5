#pragma once
// Dither engines walk the image in a serpentine order (even rows left to
// right, odd rows right to left) and turn each source colour into a palette
// index. Each engine is a template over its colour lookup and the conversion
// loop a template over the engine, so a pixel costs no virtual call; the
// DitherEngine interface puts the same engines behind one type for callers
// that pick one at run time and do not mind the calls.
#include <memory>
#include <utility>

#include "image/color_lookup.h"
#include "image/image.h"
#include "image/indexed_image.h"

namespace nimbrel {

class SerpentineWalk {
public:
    explicit SerpentineWalk(int width) : width_(width) {}
    SerpentineWalk(const SerpentineWalk&) = delete;
    SerpentineWalk& operator=(const SerpentineWalk&) = delete;

    int column() const { return column_; }
    int direction() const { return direction_; }
    // Called after each row: reverses the direction of the walk.
    void nextLine()
    {
        direction_ = -direction_;
        column_ = direction_ > 0 ? 0 : width_ - 1;
    }

protected:
    void step() { column_ += direction_; }

    int width_;
    int direction_ = 1;
    int column_ = 0;
};

namespace dither {

// source + (gathered + divisor / 2) div divisor, truncated towards zero,
// then clamped to a channel value.
inline int correct(int source, int gathered, int divisor)
{
    const int v = source + (gathered + divisor / 2) / divisor;
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Error engines keep the three channels in four lanes (the fourth stays
// zero), which the compiler turns into one vector operation per step.
constexpr int kLanes = 4;

}  // namespace dither

// The nearest-colour method: every pixel goes to the lookup unchanged.
template <class Lookup>
class NearestDitherer : public SerpentineWalk {
public:
    NearestDitherer(int width, Lookup& lookup) : SerpentineWalk(width), lookup_(lookup) {}

    // Index for the pixel at column(); moves the column by the direction.
    int dither(int red, int green, int blue)
    {
        const int index = lookup_.lookup(red, green, blue).index;
        step();
        return index;
    }

private:
    Lookup& lookup_;
};

// The serpentine conversion loop for any engine.
template <class Engine>
void walkPixels(const Bgr24View& source, Engine& engine, IndexedImage& out)
{
    const int width = source.width;
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* indexes = out.row(y);
        for (int x = engine.column(); x >= 0 && x < width; x = engine.column()) {
            const std::uint8_t* p = in + 3 * x;
            indexes[x] = static_cast<std::uint8_t>(engine.dither(p[2], p[1], p[0]));
        }
        engine.nextLine();
    }
}

class DitherEngine {
public:
    virtual ~DitherEngine() = default;
    virtual int column() const = 0;
    virtual int direction() const = 0;
    virtual int dither(int red, int green, int blue) = 0;
    virtual void nextLine() = 0;
};

template <class Engine>
class DitherEngineOf final : public DitherEngine {
public:
    template <class... Args>
    explicit DitherEngineOf(Args&&... args) : engine_(std::forward<Args>(args)...)
    {
    }
    int column() const override { return engine_.column(); }
    int direction() const override { return engine_.direction(); }
    int dither(int red, int green, int blue) override { return engine_.dither(red, green, blue); }
    void nextLine() override { engine_.nextLine(); }

private:
    Engine engine_;
};

}  // namespace nimbrel
