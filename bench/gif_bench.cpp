// GIF output speed: the LZW and RLE encoders beside giflib's encoder writing
// the same indexed pixels to memory, the colour reductions and dither engines
// on a photo-like full-HD image, and the whole save of a button.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/fastest.h"
#include "image/color_reduction.h"
#include "image/gif_image.h"
#include "image/gif_image_data.h"

namespace {

using namespace nimbrel;

// A button: grey face, light and dark borders, dark caption strokes.
Bgr24Image buttonImage()
{
    Bgr24Image image(120, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 120; ++x) {
            Color c = makeColor(192, 192, 192);
            if (x < 2 || y < 2) c = makeColor(255, 255, 255);
            if (x > 117 || y > 29) c = makeColor(64, 64, 64);
            if (y > 9 && y < 23 && x > 20 && x < 100 && (x * 7 + y * 3) % 11 < 3) c = makeColor(0, 0, 96);
            image.setPixel(x, y, c);
        }
    return image;
}

// Smooth gradients, waves and a little noise: many thousands of colours.
Bgr24Image photoImage()
{
    Bgr24Image image(1920, 1080);
    std::uint32_t state = 12345;
    for (int y = 0; y < 1080; ++y) {
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < 1920; ++x, p += 3) {
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>(state >> 29) - 4;
            const double wave = std::sin(x * 0.013) * std::cos(y * 0.021);
            const int r = static_cast<int>(x * 255 / 1919 * 0.7 + 60 * wave + 40) + noise;
            const int g = static_cast<int>(y * 255 / 1079 * 0.8 + 30 * std::sin((x + y) * 0.005)) + noise;
            const int b = static_cast<int>(128 + 100 * wave) - noise;
            p[0] = static_cast<std::uint8_t>(std::clamp(b, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp(g, 0, 255));
            p[2] = static_cast<std::uint8_t>(std::clamp(r, 0, 255));
        }
    }
    return image;
}

struct IndexedPixels {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

const IndexedPixels& benchImage(const std::string& name)
{
    static const IndexedPixels button = [] {
        const Bgr24Image b = buttonImage();
        IndexedImage i = reduceColors(b.view(), ColorReduction::Optimal, DitherMethod::Nearest, 8);
        return IndexedPixels{i.width, i.height, std::move(i.pixels)};
    }();
    // The photo reduced to 256 colours with Floyd-Steinberg: fine detail everywhere.
    static const IndexedPixels colors256 = [] {
        const Bgr24Image p = photoImage();
        IndexedImage i = reduceColors(p.view(), ColorReduction::Optimal, DitherMethod::FloydSteinberg, 8);
        return IndexedPixels{i.width, i.height, std::move(i.pixels)};
    }();
    // Eight colours in blocks of 240 x 135: long runs.
    static const IndexedPixels runs8 = [] {
        IndexedPixels i{1920, 1080, std::vector<std::uint8_t>(1920 * 1080)};
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x)
                i.pixels[y * 1920 + x] = static_cast<std::uint8_t>((x / 240 + y / 135) % 8);
        return i;
    }();
    if (name == "button") return button;
    if (name == "colors256") return colors256;
    return runs8;
}

const Bgr24Image& photo()
{
    static const Bgr24Image image = photoImage();
    return image;
}

void encodeOurs(benchmark::State& state, const std::string& name, GifCompression compression)
{
    const IndexedPixels& image = benchImage(name);
    std::vector<std::uint8_t> out;
    out.reserve(image.pixels.size() * 2);
    for (auto _ : state) {
        out.clear();
        VectorByteSink sink(out);
        writeGifImageData(sink, image.pixels.data(), image.pixels.size(), 256, 8, compression);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(image.pixels.size()));
    state.counters["bytes"] = static_cast<double>(out.size());
}

int writeToVector(GifFileType* gif, const GifByteType* data, int size)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + size);
    return size;
}

void encodeGiflib(benchmark::State& state, const std::string& name)
{
    const IndexedPixels& image = benchImage(name);
    std::vector<std::uint8_t> pixels = image.pixels;  // giflib takes a mutable line
    std::vector<GifColorType> colors(256);
    for (int i = 0; i < 256; ++i) colors[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
    std::vector<std::uint8_t> out;
    out.reserve(image.pixels.size() * 2);
    for (auto _ : state) {
        out.clear();
        int error = 0;
        GifFileType* gif = EGifOpen(&out, writeToVector, &error);
        ColorMapObject* map = GifMakeMapObject(256, colors.data());
        EGifSetGifVersion(gif, false);
        if (EGifPutScreenDesc(gif, image.width, image.height, 8, 0, nullptr) != GIF_OK ||
            EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, map) != GIF_OK ||
            EGifPutLine(gif, pixels.data(), image.width * image.height) != GIF_OK) {
            state.SkipWithError("giflib failed");
        }
        EGifCloseFile(gif, &error);
        GifFreeMapObject(map);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(image.pixels.size()));
    state.counters["bytes"] = static_cast<double>(out.size());
}

void reduce(benchmark::State& state, ColorReduction reduction, DitherMethod dither)
{
    const Bgr24Image& image = photo();
    for (auto _ : state) {
        IndexedImage out = reduceColors(image.view(), reduction, dither, 8);
        benchmark::DoNotOptimize(out.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * image.width() * image.height());
}

void assignAndWrite(benchmark::State& state)
{
    const Bgr24Image button = buttonImage();
    for (auto _ : state) {
        GifImage gif;
        gif.setColorReduction(ColorReduction::Optimal);
        gif.assign(button.view());
        std::vector<std::uint8_t> bytes = gif.saveToBytes();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * button.width() * button.height());
}

const int registered = [] {
    for (const char* name : {"button", "colors256", "runs8"}) {
        const std::string n = name;
        benchmark::RegisterBenchmark(("BM_Lzw/" + n).c_str(), encodeOurs, n, GifCompression::Lzw)
            ->ComputeStatistics("min", bench::fastest);
        benchmark::RegisterBenchmark(("BM_Rle/" + n).c_str(), encodeOurs, n, GifCompression::Rle)
            ->ComputeStatistics("min", bench::fastest);
        benchmark::RegisterBenchmark(("BM_Giflib/" + n).c_str(), encodeGiflib, n)
            ->ComputeStatistics("min", bench::fastest);
    }
    const char* reductions[] = {"windows20", "windows256", "black_white", "grayscale",
                                "web216",    "optimal",    "optimal_win"};
    for (int i = 0; i < 7; ++i)
        benchmark::RegisterBenchmark((std::string("BM_Reduce/") + reductions[i]).c_str(), reduce,
                                     ColorReduction(i), DitherMethod::Nearest)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", bench::fastest);
    const char* dithers[] = {"nearest", "floyd_steinberg", "stucki", "sierra",
                             "jarvis",  "stevenson_arce",  "burkes"};
    for (int i = 0; i < 7; ++i)
        benchmark::RegisterBenchmark((std::string("BM_Dither/") + dithers[i]).c_str(), reduce,
                                     ColorReduction::Optimal, DitherMethod(i))
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", bench::fastest);
    benchmark::RegisterBenchmark("BM_AssignAndWrite/button", assignAndWrite)->Unit(benchmark::kMicrosecond);
    return 0;
}();

}  // namespace
