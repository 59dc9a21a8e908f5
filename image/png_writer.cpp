#include "image/png_writer.h"

#include <spng.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unordered_map>

#include "base/error.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr int kMaxPaletteColors = 256;

Color colorAt(const std::uint8_t* bgr) { return makeColor(bgr[2], bgr[1], bgr[0]); }

// The colours an image uses, in the order met (a transparent colour that is
// used comes first, so its tRNS entry is a single byte), and every pixel as an
// index into them. Gives up as soon as there are more than 256.
struct Palette {
    std::vector<Color> colors;
    std::vector<std::uint8_t> indexes;  // width * height
};

std::optional<Palette> paletteOf(const Bgr24View& image, std::optional<Color> transparent)
{
    Palette palette;
    std::unordered_map<Color, std::uint8_t> indexOf;
    indexOf.reserve(kMaxPaletteColors * 2);
    auto add = [&](Color c) {
        indexOf.emplace(c, static_cast<std::uint8_t>(palette.colors.size()));
        palette.colors.push_back(c);
    };
    if (transparent) {
        for (int y = 0; y < image.height && palette.colors.empty(); ++y)
            for (int x = 0; x < image.width; ++x)
                if (colorAt(image.row(y) + x * 3) == *transparent) {
                    add(*transparent);
                    break;
                }
    }
    palette.indexes.resize(static_cast<std::size_t>(image.width) * image.height);
    std::uint8_t* out = palette.indexes.data();
    // Buttons are mostly runs of one colour: the last colour met answers most pixels.
    Color last = 0xFFFFFFFF;
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            const Color c = colorAt(p);
            if (c != last) {
                auto found = indexOf.find(c);
                if (found == indexOf.end()) {
                    if (palette.colors.size() == kMaxPaletteColors) return std::nullopt;
                    add(c);
                    found = indexOf.find(c);
                }
                last = c;
                lastIndex = found->second;
            }
            *out++ = lastIndex;
        }
    }
    return palette;
}

int bitDepthFor(std::size_t colors)
{
    if (colors <= 2) return 1;
    if (colors <= 4) return 2;
    if (colors <= 16) return 4;
    return 8;
}

// Rows of indexes packed as PNG wants them: the leftmost pixel in the high bits.
// Rows of indexes packed as PNG wants them: the leftmost pixel in the high bits.
void packIndexes(const Palette& palette, PngLayout& layout)
{
    const int depth = layout.bitDepth, perByte = 8 / depth;
    layout.rowBytes = (static_cast<std::size_t>(layout.width) * depth + 7) / 8;
    layout.rows.assign(layout.rowBytes * layout.height, 0);
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* in = palette.indexes.data() + static_cast<std::size_t>(y) * layout.width;
        std::uint8_t* out = layout.rows.data() + layout.rowBytes * y;
        for (int x = 0; x < layout.width; ++x)
            out[x / perByte] |= static_cast<std::uint8_t>(in[x] << (8 - depth * (x % perByte + 1)));
    }
}

void putRgbRows(const Bgr24View& image, PngLayout& layout)
{
    layout.rowBytes = static_cast<std::size_t>(image.width) * 3;
    layout.rows.resize(layout.rowBytes * image.height);
    std::uint8_t* out = layout.rows.data();
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3, out += 3) {
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
        }
    }
}

bool usesColor(const Bgr24View& image, Color c)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (colorAt(image.row(y) + x * 3) == c) return true;
    return false;
}

Rgb rgbOf(Color c) { return {redOf(c), greenOf(c), blueOf(c)}; }

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

void check(int status)
{
    if (status == SPNG_EMEM) throw Error("Not enough memory to encode the PNG image");
    if (status != 0) throw Error(std::string("Cannot encode the PNG image: ") + spng_strerror(status));
}

}  // namespace

int pngWindowBitsFor(const PngLayout& layout)
{
    const std::size_t data = (layout.rowBytes + 1) * static_cast<std::size_t>(layout.height);
    int bits = 9;  // the smallest window zlib's deflate takes
    while (bits < 15 && (std::size_t{1} << bits) < data) ++bits;
    return bits;
}

int pngMemoryLevelFor(const PngLayout& layout)
{
    return std::clamp(pngWindowBitsFor(layout) - 7, 1, 8);
}

PngLayout pngLayoutOf(const Bgr24View& image, std::optional<Color> transparentColor)
{
    checkImageSize(image.width, image.height);
    PngLayout layout;
    layout.width = image.width;
    layout.height = image.height;
    if (const std::optional<Palette> palette = paletteOf(image, transparentColor)) {
        layout.indexed = true;
        layout.bitDepth = bitDepthFor(palette->colors.size());
        for (const Color c : palette->colors) layout.palette.push_back(rgbOf(c));
        if (transparentColor && palette->colors.front() == *transparentColor)
            layout.transparent = rgbOf(*transparentColor);
        packIndexes(*palette, layout);
    } else {
        layout.bitDepth = 8;
        if (transparentColor && usesColor(image, *transparentColor)) layout.transparent = rgbOf(*transparentColor);
        putRgbRows(image, layout);
    }
    return layout;
}

std::vector<std::uint8_t> encodePngLayout(const PngLayout& layout, int compressionLevel)
{
    const std::unique_ptr<spng_ctx, ContextFree> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) throw Error("Not enough memory to encode the PNG image");
    check(spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1));
    check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, compressionLevel));
    check(spng_set_option(ctx.get(), SPNG_IMG_WINDOW_BITS, pngWindowBitsFor(layout)));
    check(spng_set_option(ctx.get(), SPNG_IMG_MEM_LEVEL, pngMemoryLevelFor(layout)));

    spng_ihdr ihdr{};
    ihdr.width = static_cast<std::uint32_t>(layout.width);
    ihdr.height = static_cast<std::uint32_t>(layout.height);
    ihdr.bit_depth = static_cast<std::uint8_t>(layout.bitDepth);
    ihdr.color_type = layout.indexed ? SPNG_COLOR_TYPE_INDEXED : SPNG_COLOR_TYPE_TRUECOLOR;
    check(spng_set_ihdr(ctx.get(), &ihdr));
    spng_trns trns{};
    if (layout.indexed) {
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(layout.palette.size());
        for (std::size_t i = 0; i < layout.palette.size(); ++i)
            plte.entries[i] = {layout.palette[i].r, layout.palette[i].g, layout.palette[i].b, 0};
        check(spng_set_plte(ctx.get(), &plte));
        trns.n_type3_entries = 1;  // entry 0 fully transparent
        // Filters only help whole bytes per channel; indexed rows compress best as they are.
        check(spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_DISABLE_FILTERING));
    } else if (layout.transparent) {
        trns.red = layout.transparent->r;
        trns.green = layout.transparent->g;
        trns.blue = layout.transparent->b;
    }
    if (layout.transparent) check(spng_set_trns(ctx.get(), &trns));
    check(spng_encode_image(ctx.get(), layout.rows.data(), layout.rows.size(), SPNG_FMT_PNG,
                            SPNG_ENCODE_FINALIZE));

    std::size_t size = 0;
    int status = 0;
    const std::unique_ptr<void, decltype(&std::free)> buffer(spng_get_png_buffer(ctx.get(), &size, &status),
                                                             &std::free);
    check(status);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer.get());
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

std::vector<std::uint8_t> encodePng(const Bgr24View& image, const PngOptions& options)
{
    if (image.empty()) return {};
    return encodePngLayout(pngLayoutOf(image, options.transparentColor), options.compressionLevel);
}

}  // namespace nimbrel
