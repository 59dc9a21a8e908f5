#include "image/png_writer.h"

#include <spng.h>

#include <cstdlib>
#include <memory>
#include <unordered_map>

#include "base/error.h"
#include "base/file_io.h"
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
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            const Color c = colorAt(p);
            auto found = indexOf.find(c);
            if (found == indexOf.end()) {
                if (palette.colors.size() == kMaxPaletteColors) return std::nullopt;
                add(c);
                found = indexOf.find(c);
            }
            *out++ = found->second;
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
std::vector<std::uint8_t> packIndexes(const Palette& palette, int width, int height, int depth)
{
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * depth + 7) / 8;
    std::vector<std::uint8_t> packed(rowBytes * height, 0);
    const int perByte = 8 / depth;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = palette.indexes.data() + static_cast<std::size_t>(y) * width;
        std::uint8_t* out = packed.data() + rowBytes * y;
        for (int x = 0; x < width; ++x)
            out[x / perByte] |= static_cast<std::uint8_t>(in[x] << (8 - depth * (x % perByte + 1)));
    }
    return packed;
}

std::vector<std::uint8_t> rgbRows(const Bgr24View& image)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.width) * image.height * 3);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3, out += 3) {
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
        }
    }
    return rgb;
}

bool usesColor(const Bgr24View& image, Color c)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (colorAt(image.row(y) + x * 3) == c) return true;
    return false;
}

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

void check(int status)
{
    if (status == SPNG_EMEM) throw Error("Not enough memory to encode the PNG image");
    if (status != 0) throw Error(std::string("Cannot encode the PNG image: ") + spng_strerror(status));
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Bgr24View& image, const PngOptions& options)
{
    if (image.empty()) return {};
    checkImageSize(image.width, image.height);
    const std::unique_ptr<spng_ctx, ContextFree> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) throw Error("Not enough memory to encode the PNG image");
    check(spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1));
    check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, options.compressionLevel));

    spng_ihdr ihdr{};
    ihdr.width = static_cast<std::uint32_t>(image.width);
    ihdr.height = static_cast<std::uint32_t>(image.height);
    spng_trns trns{};
    std::vector<std::uint8_t> rows;
    if (const std::optional<Palette> palette = paletteOf(image, options.transparentColor)) {
        ihdr.bit_depth = static_cast<std::uint8_t>(bitDepthFor(palette->colors.size()));
        ihdr.color_type = SPNG_COLOR_TYPE_INDEXED;
        check(spng_set_ihdr(ctx.get(), &ihdr));
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(palette->colors.size());
        for (std::size_t i = 0; i < palette->colors.size(); ++i)
            plte.entries[i] = {redOf(palette->colors[i]), greenOf(palette->colors[i]),
                               blueOf(palette->colors[i]), 0};
        check(spng_set_plte(ctx.get(), &plte));
        if (options.transparentColor && palette->colors.front() == *options.transparentColor) {
            trns.n_type3_entries = 1;
            trns.type3_alpha[0] = 0;
            check(spng_set_trns(ctx.get(), &trns));
        }
        // Filters only help images of whole bytes per channel; indexed rows compress best as they are.
        check(spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_DISABLE_FILTERING));
        rows = packIndexes(*palette, image.width, image.height, ihdr.bit_depth);
    } else {
        ihdr.bit_depth = 8;
        ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
        check(spng_set_ihdr(ctx.get(), &ihdr));
        if (options.transparentColor && usesColor(image, *options.transparentColor)) {
            trns.red = redOf(*options.transparentColor);
            trns.green = greenOf(*options.transparentColor);
            trns.blue = blueOf(*options.transparentColor);
            check(spng_set_trns(ctx.get(), &trns));
        }
        rows = rgbRows(image);
    }
    check(spng_encode_image(ctx.get(), rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE));

    std::size_t size = 0;
    int status = 0;
    const std::unique_ptr<void, decltype(&std::free)> buffer(spng_get_png_buffer(ctx.get(), &size, &status),
                                                             &std::free);
    check(status);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer.get());
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

void savePngFile(const std::string& fileName, const Bgr24View& image, const PngOptions& options)
{
    writeFileAtomically(fileName, encodePng(image, options));
}

}  // namespace nimbrel
