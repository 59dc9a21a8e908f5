#pragma once
// Helpers shared by the GIF tests: test images, and a GIF decoder that nobody
// here wrote (giflib) to read back what we write.
#include <gif_lib.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/image.h"
#include "image/palettes.h"

namespace nimbrel::gif_test {

struct DecodedGif {
    int screenWidth = 0;
    int screenHeight = 0;
    int imageCount = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::vector<Rgb> colors;
    int transparentIndex = -1;  // from a Graphic Control Extension, -1 without one
};

struct MemoryReader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t position = 0;
};

inline int readFromMemory(GifFileType* gif, GifByteType* buffer, int size)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t left = reader->bytes->size() - reader->position;
    const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(size));
    std::memcpy(buffer, reader->bytes->data() + reader->position, n);
    reader->position += n;
    return static_cast<int>(n);
}

inline DecodedGif decodeWithGiflib(const std::vector<std::uint8_t>& bytes)
{
    MemoryReader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readFromMemory, &error);
    if (!gif) throw std::runtime_error("giflib cannot open: " + std::to_string(error));
    DecodedGif out;
    const int slurp = DGifSlurp(gif);
    out.screenWidth = gif->SWidth;
    out.screenHeight = gif->SHeight;
    out.imageCount = gif->ImageCount;
    if (slurp != GIF_OK) {
        const int cause = gif->Error;
        DGifCloseFile(gif, &error);
        throw std::runtime_error("giflib cannot decode: " + std::to_string(cause));
    }
    if (gif->ImageCount > 0) {
        const SavedImage& image = gif->SavedImages[0];
        out.width = image.ImageDesc.Width;
        out.height = image.ImageDesc.Height;
        out.pixels.assign(image.RasterBits, image.RasterBits + out.width * out.height);
        if (const ColorMapObject* map = image.ImageDesc.ColorMap) {
            for (int i = 0; i < map->ColorCount; ++i)
                out.colors.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
        }
        GraphicsControlBlock control;
        if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) out.transparentIndex = control.TransparentColor;
    }
    DGifCloseFile(gif, &error);
    return out;
}

// The codes of one image-data stream (the bytes after the minimum code size
// byte), read the way a decoder reads them: width grows when the decoder's
// table would need it, and returns to the start width after a clear code.
inline std::vector<int> readCodes(const std::vector<std::uint8_t>& data, int initialBits)
{
    std::vector<std::uint8_t> joined;
    std::size_t p = 0;
    while (p < data.size() && data[p] != 0) {
        joined.insert(joined.end(), data.begin() + p + 1, data.begin() + p + 1 + data[p]);
        p += data[p] + 1;
    }
    const int clear = 1 << initialBits;
    int size = initialBits + 1;
    int running = clear + 1;
    std::vector<int> codes;
    std::size_t bit = 0;
    while (bit + size <= joined.size() * 8) {
        int code = 0;
        for (int i = 0; i < size; ++i, ++bit) code |= ((joined[bit / 8] >> (bit % 8)) & 1) << i;
        codes.push_back(code);
        if (code == clear + 1) break;
        if (code == clear) {
            size = initialBits + 1;
            running = clear + 1;
            continue;
        }
        if (++running >= (1 << size) && size < 12) ++size;
    }
    return codes;
}

inline Bgr24Image flatImage(int w, int h, Color c)
{
    Bgr24Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, c);
    return image;
}

inline Bgr24Image gradientImage(int w, int h)
{
    Bgr24Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, makeColor(x * 255 / std::max(1, w - 1), y * 255 / std::max(1, h - 1), 128));
    return image;
}

// Dark glyph-like strokes on a grey face with a lighter border, as a button.
inline Bgr24Image textLikeImage(int w, int h)
{
    Bgr24Image image = flatImage(w, h, makeColor(192, 192, 192));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0) image.setPixel(x, y, makeColor(255, 255, 255));
            if (x == w - 1 || y == h - 1) image.setPixel(x, y, makeColor(64, 64, 64));
            if (y > h / 4 && y < 3 * h / 4 && (x * 7 + y * 3) % 11 < 3)
                image.setPixel(x, y, makeColor(0, 0, 96));
        }
    return image;
}

// Pixels drawn at random from a fixed set of 256 colours.
inline Bgr24Image noiseImage(int w, int h, unsigned seed = 1)
{
    Bgr24Image image(w, h);
    std::uint32_t state = seed;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            const int i = static_cast<int>(state >> 24);
            image.setPixel(x, y, makeColor(i, (i * 37) & 0xFF, (i * 101) & 0xFF));
        }
    return image;
}

inline std::vector<std::uint8_t> noiseIndexes(std::size_t count, unsigned seed = 7)
{
    std::vector<std::uint8_t> out(count);
    std::uint32_t state = seed;
    for (auto& v : out) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<std::uint8_t>(state >> 24);
    }
    return out;
}

}  // namespace nimbrel::gif_test
