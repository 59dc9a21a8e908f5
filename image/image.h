#pragma once
// Plain 24-bit images shared by the file formats and the renderer: pixels are
// stored as blue, green, red bytes, rows top-down.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/color.h"

namespace nimbrel {

// A read-only window onto 24-bit pixels owned by someone else (a QImage, a
// decoded file, a test buffer). stride is the distance in bytes between rows.
struct Bgr24View {
    const std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    const std::uint8_t* row(int y) const { return data + y * stride; }
    bool empty() const { return width <= 0 || height <= 0; }
};

// A writable window onto 24-bit pixels owned by someone else: where a decoder
// puts its pixels, so they need not be copied again afterwards.
struct Bgr24Canvas {
    std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    std::uint8_t* row(int y) const { return data + y * stride; }
};

// An owning, tightly packed 24-bit image.
class Bgr24Image {
public:
    Bgr24Image() = default;
    // New pixels are white, as a fresh bitmap is.
    Bgr24Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    std::ptrdiff_t stride() const { return static_cast<std::ptrdiff_t>(width_) * 3; }

    std::uint8_t* row(int y) { return pixels_.data() + y * stride(); }
    const std::uint8_t* row(int y) const { return pixels_.data() + y * stride(); }

    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color c);

    Bgr24View view() const { return {pixels_.data(), width_, height_, stride()}; }
    Bgr24Canvas canvas() { return {pixels_.data(), width_, height_, stride()}; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace nimbrel
