// PNG output: libspng against libpng compressing the same prepared rows
// (palette, bit depth, filters and zlib settings alike) at several levels, and every
// output type over one 24-button set, with the bytes of the whole set.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"

#include <png.h>

#include <QGuiApplication>

#include "batch/save_button.h"
#include "core/renderer.h"
#include "image/gif_options.h"
#include "image/png_writer.h"
#include "settings/style_from_settings.h"

namespace {

using namespace nimbrel;

const char* const kCaptions[] = {"Home", "About us", "Products", "Services", "Contact", "News", "Blog", "FAQ",
                                 "Support", "Downloads", "Pricing", "Careers", "Partners", "Events", "Gallery",
                                 "Press", "Shop", "Cart", "Login", "Register", "Sitemap", "Privacy", "Terms",
                                 "Help"};

// The first-start style (anti-aliasing as given) drawn for the 24 captions.
const std::vector<Bgr24Image>& buttonSet(int antiAlias)
{
    static std::vector<Bgr24Image> sets[4];
    std::vector<Bgr24Image>& set = sets[antiAlias];
    if (set.empty()) {
        ButtonStyle style = firstStartStyle();
        style.antiAliasLevel = antiAlias;
        for (const char* caption : kCaptions) set.push_back(renderScaledButton(style, caption, RasterFont(), 1));
    }
    return set;
}

void appendToVector(png_structp png, png_bytep data, png_size_t size)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + size);
}

std::vector<std::uint8_t> encodeWithLibpng(const PngLayout& layout, int level)
{
    std::vector<std::uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &bytes, appendToVector, nullptr);
    png_set_compression_level(png, level);
    png_set_compression_window_bits(png, pngWindowBitsFor(layout));
    png_set_compression_mem_level(png, pngMemoryLevelFor(layout));
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth,
                 layout.indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (const Rgb& c : layout.palette) palette.push_back({c.r, c.g, c.b});
    if (layout.indexed) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    }
    png_write_info(png, info);
    for (int y = 0; y < layout.height; ++y)
        png_write_row(png, const_cast<png_bytep>(layout.rows.data() + layout.rowBytes * y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

// Args: library (0 libspng, 1 libpng), zlib level, anti-aliasing of the set.
void BM_PngLibrary(benchmark::State& state)
{
    const bool libpng = state.range(0) == 1;
    const int level = static_cast<int>(state.range(1));
    std::vector<PngLayout> layouts;
    for (const Bgr24Image& button : buttonSet(static_cast<int>(state.range(2))))
        layouts.push_back(pngLayoutOf(button.view(), std::nullopt));
    std::size_t setBytes = 0;
    for (auto _ : state) {
        setBytes = 0;
        for (const PngLayout& layout : layouts)
            setBytes += (libpng ? encodeWithLibpng(layout, level) : encodePngLayout(layout, level)).size();
    }
    state.SetLabel(libpng ? "libpng" : "libspng");
    state.counters["set bytes"] = static_cast<double>(setBytes);
    state.counters["per button"] = benchmark::Counter(
        static_cast<double>(layouts.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PngLibrary)->ArgsProduct({{0, 1}, {1, 6, 9}, {0, 2}})->Unit(benchmark::kMicrosecond);

// Args: output type (0 BMP, 1 GIF LZW, 2 GIF RLE, 3 PNG), anti-aliasing of the set.
// Encoding only, as saving does it (GIF: optimal palette, nearest colour).
void BM_OutputType(benchmark::State& state)
{
    static const char* const names[] = {"BMP", "GIF LZW", "GIF RLE", "PNG"};
    const int type = static_cast<int>(state.range(0));
    SaveRequest request;
    request.colorReduction = ColorReduction::Optimal;
    request.dithering = DitherMethod::Nearest;
    request.gifCompression = type == 2 ? GifCompression::Rle : GifCompression::Lzw;
    const ImageFormat format = type == 0 ? ImageFormat::Bmp : type == 3 ? ImageFormat::Png : ImageFormat::Gif;
    const std::vector<Bgr24Image>& set = buttonSet(static_cast<int>(state.range(1)));
    std::size_t setBytes = 0;
    for (auto _ : state) {
        setBytes = 0;
        for (const Bgr24Image& button : set) setBytes += encodeButtonImage(request, format, button.view()).bytes.size();
    }
    state.SetLabel(names[type]);
    state.counters["set bytes"] = static_cast<double>(setBytes);
    state.counters["per button"] =
        benchmark::Counter(static_cast<double>(set.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OutputType)->ArgsProduct({{0, 1, 2, 3}, {0, 2}})->Unit(benchmark::kMicrosecond);

// Drawing the high-density copies (caption drawn afresh at k times the font).
void BM_RenderScaled(benchmark::State& state)
{
    const ButtonStyle style = firstStartStyle();
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(renderScaledButton(style, "Products", RasterFont(), scale));
}
BENCHMARK(BM_RenderScaled)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return nimbrel::bench::runWithQt<QGuiApplication>(argc, argv); }
