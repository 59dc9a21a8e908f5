// Palettes, colour lookups, the octree quantizer and the dither engines.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "image/color_reduction.h"
#include "image/dither_error_diffusion.h"
#include "image/exact_colors.h"
#include "image/octree_quantizer.h"
#include "support/gif_test_support.h"

namespace nimbrel {
namespace {

using namespace gif_test;

int lookup(ColorLookup& l, int r, int g, int b, Rgb* chosen = nullptr)
{
    const LookupResult result = l.lookup(r, g, b);
    if (chosen) *chosen = {redOf(result.color), greenOf(result.color), blueOf(result.color)};
    return result.index;
}

TEST(ColorLookup, FixedFormulaLookupsPickTheDescribedIndexes)
{
    WebColorLookup web;
    EXPECT_EQ(lookup(web, 47, 0, 0), 0);
    EXPECT_EQ(lookup(web, 48, 0, 0), 36);
    EXPECT_EQ(lookup(web, 255, 0, 0), 180);
    Rgb chosen;
    EXPECT_EQ(lookup(web, 255, 255, 255, &chosen), 215);
    EXPECT_EQ(chosen, (Rgb{255, 255, 255}));
    EXPECT_EQ(lookup(web, 0, 150, 99, &chosen), 6 * 3 + 2);
    EXPECT_EQ(chosen, (Rgb{0, 153, 102}));

    MonochromeLookup mono;
    EXPECT_EQ(lookup(mono, 127, 127, 127, &chosen), 0);
    EXPECT_EQ(chosen, (Rgb{0, 0, 0}));
    EXPECT_EQ(lookup(mono, 128, 128, 128, &chosen), 1);
    EXPECT_EQ(chosen, (Rgb{255, 255, 255}));

    GrayScaleLookup grey;
    EXPECT_EQ(lookup(grey, 255, 255, 255), 255);
    EXPECT_EQ(lookup(grey, 255, 0, 0, &chosen), 76);
    EXPECT_EQ(chosen, (Rgb{76, 76, 76}));
}

TEST(ColorLookup, FastLookupCachesTheFirstAnswerOfACell)
{
    FastColorLookup first(staticColors20());
    EXPECT_EQ(lookup(first, 200, 200, 200), 7);
    Rgb chosen;
    EXPECT_EQ(lookup(first, 207, 207, 207, &chosen), 7);  // static colour 8 is nearer, but the cell is taken
    EXPECT_EQ(chosen, (Rgb{192, 192, 192}));
    FastColorLookup fresh(staticColors20());
    EXPECT_EQ(lookup(fresh, 207, 207, 207), 8);

    // Palette colours own their cells; the lower index wins a shared cell.
    FastColorLookup shared(Palette{{10, 10, 10}, {64, 64, 64}, {66, 65, 70}});
    EXPECT_EQ(lookup(shared, 66, 65, 70), 1);
    // Ties in the search go to the lowest index.
    FastColorLookup tie(Palette{{0, 0, 0}, {100, 0, 0}, {0, 100, 0}});
    EXPECT_EQ(lookup(tie, 60, 60, 0), 1);
}

TEST(Palettes, HalftoneHas256DistinctColours)
{
    std::set<std::tuple<int, int, int>> distinct;
    for (const Rgb& c : halftone256()) distinct.insert({c.r, c.g, c.b});
    EXPECT_EQ(distinct.size(), 256u);
}

Bgr24Image imageOfColors(const std::vector<Color>& colors, int width)
{
    const int height = static_cast<int>((colors.size() + width - 1) / width);
    Bgr24Image image(width, height);
    for (std::size_t i = 0; i < colors.size(); ++i) image.setPixel(int(i % width), int(i / width), colors[i]);
    return image;
}

TEST(Octree, KeepsEveryColourExactlyUpToTheMaximum)
{
    std::vector<Color> colors;
    for (int i = 0; i < 256; ++i) colors.push_back(makeColor(i, (i * 37) & 0xFF, 255 - i));
    const Bgr24Image image = imageOfColors(colors, 16);
    ColorQuantizer quantizer(256);
    quantizer.processImage(image.view());
    std::set<Color> found;
    for (const Rgb& c : quantizer.colorTable()) found.insert(makeColor(c.r, c.g, c.b));
    EXPECT_EQ(found, std::set<Color>(colors.begin(), colors.end()));

    const Bgr24Image one = flatImage(5, 4, makeColor(9, 99, 199));
    for (int bits = 3; bits <= 8; ++bits) {
        const IndexedImage flat =
            reduceColors(one.view(), ColorReduction::Optimal, DitherMethod::Nearest, bits);
        EXPECT_EQ(flat.colorTable[0], (Rgb{9, 99, 199}));
        EXPECT_EQ(flat.colorTable[1], (Rgb{0, 0, 0}));
        EXPECT_TRUE(std::all_of(flat.pixels.begin(), flat.pixels.end(), [](int v) { return v == 0; }));
    }
}

// The octree's rules with nothing cached: every pixel walks from the root;
// past the maximum, the inner node made last at the deepest level is folded.
Palette referenceOctree(const Bgr24Image& image, int maxColors)
{
    struct Node {
        bool leaf = false;
        long long count = 0, r = 0, g = 0, b = 0;
        int children[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    };
    std::vector<Node> nodes(1);
    std::vector<std::vector<int>> reducible(8, std::vector<int>{});
    reducible[0].push_back(0);
    int leaves = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.pixel(x, y);
            int node = 0;
            for (int level = 0; !nodes[node].leaf; ++level) {
                const int shift = 7 - level;
                const int child = ((redOf(c) >> shift & 1) << 2) | ((greenOf(c) >> shift & 1) << 1) |
                                  (blueOf(c) >> shift & 1);
                if (nodes[node].children[child] < 0) {
                    nodes[node].children[child] = static_cast<int>(nodes.size());
                    nodes.emplace_back();
                    if (level + 1 == 8) {
                        nodes.back().leaf = true;
                        ++leaves;
                    } else {
                        reducible[level + 1].push_back(static_cast<int>(nodes.size()) - 1);
                    }
                }
                node = nodes[node].children[child];
            }
            Node& leaf = nodes[node];
            ++leaf.count;
            leaf.r += redOf(c);
            leaf.g += greenOf(c);
            leaf.b += blueOf(c);
            while (leaves > maxColors) {
                int level = 7;
                while (level > 0 && reducible[level].empty()) --level;
                const int folded = reducible[level].back();
                reducible[level].pop_back();
                for (int& child : nodes[folded].children) {
                    if (child < 0) continue;
                    nodes[folded].count += nodes[child].count;
                    nodes[folded].r += nodes[child].r;
                    nodes[folded].g += nodes[child].g;
                    nodes[folded].b += nodes[child].b;
                    child = -1;
                    --leaves;
                }
                nodes[folded].leaf = true;
                ++leaves;
            }
        }
    Palette out;
    const std::function<void(int)> collect = [&](int node) {
        const Node& n = nodes[node];
        if (n.leaf) {
            out.push_back({std::uint8_t(n.r / n.count), std::uint8_t(n.g / n.count), std::uint8_t(n.b / n.count)});
            return;
        }
        for (int child : n.children)
            if (child >= 0) collect(child);
    };
    collect(0);
    return out;
}

TEST(Octree, FollowsThePlainRulesAndNeverHoldsMoreThanTheMaximum)
{
    const Bgr24Image noise = noiseImage(64, 64);
    const Bgr24Image gradient = gradientImage(97, 61);
    for (int bits = 3; bits <= 8; ++bits)
        for (const Bgr24Image* image : {&noise, &gradient}) {
            ColorQuantizer quantizer(1 << bits);
            quantizer.processImage(image->view());
            EXPECT_LE(quantizer.colorTable().size(), std::size_t(1) << bits);
            EXPECT_EQ(quantizer.colorTable(), referenceOctree(*image, 1 << bits)) << bits;
        }
    // Nine colours into eight slots: one fold merges all children of a node.
    std::vector<Color> nine;
    for (int i = 0; i < 9; ++i) nine.push_back(makeColor(i * 28, 255 - i * 20, i * 3));
    ColorQuantizer small(8);
    small.processImage(imageOfColors(nine, 3).view());
    const std::size_t n = small.colorTable().size();
    EXPECT_GE(n, 2u);
    EXPECT_LE(n, 8u);
}

TEST(Octree, SumsDoNotOverflowOnHugeFlatImages)
{
    // Nine million white pixels in one leaf; a zero stride repeats one row.
    const std::vector<std::uint8_t> row(9000 * 3, 255);
    ColorQuantizer quantizer(256);
    quantizer.processImage(Bgr24View{row.data(), 9000, 1000, 0});
    EXPECT_EQ(quantizer.colorTable(), (Palette{{255, 255, 255}}));
}

TEST(ColorReduction, OptimalWithSystemColorsKeepsTheStaticColoursInPlace)
{
    const Bgr24Image image = imageOfColors(
        {makeColor(128, 128, 0), makeColor(193, 193, 193), makeColor(1, 2, 3), makeColor(255, 255, 255)}, 2);
    const IndexedImage out =
        reduceColors(image.view(), ColorReduction::OptimalWithSystemColors, DitherMethod::Nearest, 8);
    const Palette& fixed = staticColors20();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(out.colorTable[i], fixed[i]);
    for (int i = 10; i < 20; ++i) EXPECT_EQ(out.colorTable[236 + i], fixed[i]);
    EXPECT_EQ(out.row(0)[0], 3);  // equal to static colour 3
    EXPECT_EQ(out.row(0)[1], 7);  // shares the cell of static colour 7
    // Tree order of the octree colours: (1, 2, 3), (128, 128, 0), (193, 193, 193), white.
    EXPECT_EQ(out.colorTable[10], (Rgb{1, 2, 3}));
    EXPECT_EQ(out.colorTable[13], (Rgb{255, 255, 255}));
    EXPECT_EQ(out.row(1)[0], 0);   // shares the cell of static black at slot 0
    EXPECT_EQ(out.row(1)[1], 13);  // the octree's white comes before static white at slot 255
}

// A lookup that records what it is asked and picks a colour a chosen error
// away from it, so a test can follow how errors spread.
class ScriptedLookup : public ColorLookup {
public:
    ScriptedLookup() : ColorLookup(256) {}
    LookupResult lookup(int red, int green, int blue) override
    {
        asked.push_back(red);
        return {0, makeColor(red - nextError, green - nextError, blue - nextError)};
    }
    int nextError = 0;
    std::vector<int> asked;
};

// Runs an engine over a W x H image of value `base` with one pixel of value
// `hot` that makes the error `error`; returns what the lookup was asked minus
// the source, per pixel, rows from the top.
std::vector<std::vector<int>> spread(DitherMethod method, int w, int h, int hotX, int hotY, int error)
{
    const int base = 20;
    const int hot = 220;
    ScriptedLookup lookup;
    auto engine = makeDitherEngine(method, w, lookup);
    std::vector<std::vector<int>> corrections(h, std::vector<int>(w, 0));
    for (int y = 0; y < h; ++y) {
        for (int x = engine->column(); x >= 0 && x < w; x = engine->column()) {
            const bool isHot = x == hotX && y == hotY;
            lookup.nextError = isHot ? error : 0;
            const int source = isHot ? hot : base;
            engine->dither(source, source, source);
            corrections[y][x] = lookup.asked.back() - source;
        }
        engine->nextLine();
    }
    return corrections;
}

int divisorOf(DitherMethod method)
{
    return method == DitherMethod::FloydSteinberg ? 16 : diffusionKernel(method).divisor;
}

TEST(Dithering, KernelsPointAlongTheWalkOnEveryRow)
{
    // An error of exactly the divisor shows each neighbour's weight.
    const auto fs = spread(DitherMethod::FloydSteinberg, 9, 5, 4, 1, 16);
    EXPECT_EQ(fs[1], (std::vector<int>{0, 0, 0, 7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(fs[2], (std::vector<int>{0, 0, 0, 1, 5, 3, 0, 0, 0}));
    const auto sierra = spread(DitherMethod::Sierra, 9, 5, 4, 1, 32);
    EXPECT_EQ(sierra[1], (std::vector<int>{0, 0, 3, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sierra[2], (std::vector<int>{0, 0, 2, 4, 5, 4, 2, 0, 0}));
    EXPECT_EQ(sierra[3], (std::vector<int>{0, 0, 0, 2, 3, 2, 0, 0, 0}));
    const auto arce = spread(DitherMethod::StevensonArce, 9, 5, 4, 1, 200);
    EXPECT_EQ(arce[1], (std::vector<int>{0, 0, 32, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(arce[2], (std::vector<int>{0, 16, 0, 30, 0, 26, 0, 12, 0}));
    EXPECT_EQ(arce[4], (std::vector<int>{0, 5, 0, 12, 0, 12, 0, 5, 0}));

    for (int m = 1; m < 7; ++m) {
        const auto method = DitherMethod(m);
        SCOPED_TRACE(m);
        const int divisor = divisorOf(method);
        const auto odd = spread(method, 9, 5, 4, 1, divisor);
        const auto even = spread(method, 9, 6, 4, 2, divisor);
        int total = 0;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x) {
                total += odd[y][x];
                // Rows walked the other way mirror the kernel.
                EXPECT_EQ(even[y + 1][x], odd[y][8 - x]) << x << "," << y;
            }
        EXPECT_EQ(total, divisor);
        for (int x = 4; x < 9; ++x) EXPECT_EQ(odd[1][x], 0);  // nothing goes behind on the same row
        EXPECT_EQ(odd[0], std::vector<int>(9, 0));
    }
}

TEST(Dithering, ClampsBeforeTakingTheError)
{
    // Floyd-Steinberg: an error of 30 carries 7 x 30 = 210 to the next pixel,
    // which corrects 250 by 13 to 263, looked up as 255; with black chosen its
    // error is 255, so the third pixel gets (7 x 255 + 8) div 16 = 112.
    class Black : public ColorLookup {
    public:
        Black() : ColorLookup(1) {}
        LookupResult lookup(int red, int, int) override
        {
            asked.push_back(red);
            return {0, makeColor(0, 0, 0)};
        }
        std::vector<int> asked;
    } black;
    auto engine = makeDitherEngine(DitherMethod::FloydSteinberg, 3, black);
    for (int v : {30, 250, 0}) engine->dither(v, 0, 0);
    EXPECT_EQ(black.asked, (std::vector<int>{30, 255, 112}));
}

TEST(Dithering, NegativeErrorsRoundTowardsZero)
{
    // Two pixels wide: the pixel below-right on the odd row gathers
    // 5 x e(1, 0) + 1 x e(0, 0): -25 + 1 = -24 corrects by -1, -25 + 2 = -23 by 0.
    for (auto [first, expected] : {std::pair<int, int>{1, -1}, {2, 0}}) {
        ScriptedLookup lookup;
        auto engine = makeDitherEngine(DitherMethod::FloydSteinberg, 2, lookup);
        lookup.nextError = first;
        engine->dither(100, 100, 100);
        lookup.nextError = -5;
        engine->dither(100, 100, 100);
        engine->nextLine();
        lookup.nextError = 0;
        EXPECT_EQ(engine->column(), 1);
        engine->dither(100, 100, 100);
        EXPECT_EQ(lookup.asked.back() - 100, expected);
    }
}

TEST(Dithering, FlatAreasStayFlatWithExactPalettes)
{
    const Bgr24Image grey = flatImage(17, 9, makeColor(100, 100, 100));
    const IndexedImage nearest =
        reduceColors(grey.view(), ColorReduction::Grayscale, DitherMethod::Nearest, 8);
    for (int m = 1; m < 7; ++m)
        EXPECT_EQ(reduceColors(grey.view(), ColorReduction::Grayscale, DitherMethod(m), 8).pixels,
                  nearest.pixels);

    const Bgr24Image mid = flatImage(16, 16, makeColor(128, 128, 128));
    const IndexedImage plain =
        reduceColors(mid.view(), ColorReduction::BlackAndWhite, DitherMethod::Nearest, 8);
    EXPECT_TRUE(std::all_of(plain.pixels.begin(), plain.pixels.end(), [](int v) { return v == 1; }));
    const IndexedImage dithered =
        reduceColors(mid.view(), ColorReduction::BlackAndWhite, DitherMethod::FloydSteinberg, 8);
    const auto whites = std::count(dithered.pixels.begin(), dithered.pixels.end(), 1);
    EXPECT_GT(whites, 100);
    EXPECT_LT(whites, 156);
}

TEST(ColorReduction, ExactPalettesGiveWhatTheEnginesGive)
{
    // A button-like image of four greys, which every palette here holds
    // exactly; then the same with one red pixel near the end that only the
    // optimal palette holds, where the direct mapping must hand over to the
    // engine with the lookup as the engine would have left it.
    Bgr24Image image(23, 9);
    const Color greys[] = {0, makeColor(128, 128, 128), makeColor(192, 192, 192), 0x00FFFFFF};
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 23; ++x) image.setPixel(x, y, greys[(x / 3 + y) % 4]);
    for (bool oddPixel : {false, true}) {
        if (oddPixel) image.setPixel(4, 7, makeColor(200, 0, 0));
        for (auto reduction : {ColorReduction::Grayscale, ColorReduction::Windows20, ColorReduction::Optimal}) {
            const Palette palette = buildPalette(image.view(), reduction, 8);
            for (int m = 0; m < 7; ++m) {
                std::unique_ptr<ColorLookup> lookup;
                if (reduction == ColorReduction::Grayscale) {
                    lookup = std::make_unique<GrayScaleLookup>();
                } else {
                    lookup = std::make_unique<FastColorLookup>(palette);
                }
                auto engine = makeDitherEngine(DitherMethod(m), image.width(), *lookup);
                const IndexedImage expected = reduceColors(image.view(), reduction, DitherMethod(m), 8);
                IndexedImage walked = expected;
                convertPixels(image.view(), *engine, walked);
                EXPECT_EQ(expected.pixels, walked.pixels) << oddPixel << " " << int(reduction) << " " << m;
            }
        }
    }
}

// The one-pass palette of images with few colours against the octree, the fast
// lookup and the engines it stands in for: random images of 1 to 300 colours,
// some drawn from a few neighbouring values so that colours share lookup cells,
// some rows repeating the one above, at every palette size.
TEST(ColorReduction, OnePassPaletteMatchesTheOctreeAndTheEngines)
{
    std::uint32_t state = 2024;
    const auto next = [&state](std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    };
    int taken = 0, refused = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int colors = 1 + static_cast<int>(next(trial % 3 == 0 ? 300 : 40));
        const bool crowded = trial % 4 == 1;
        std::vector<Color> inks;
        for (int i = 0; i < colors; ++i)
            inks.push_back(crowded ? makeColor(100 + next(12), 50 + next(9), next(256))
                                   : makeColor(next(256), next(256), next(256)));
        Bgr24Image image(1 + static_cast<int>(next(40)), 1 + static_cast<int>(next(20)));
        for (int y = 0; y < image.height(); ++y) {
            const bool repeat = y > 0 && next(3) == 0;  // buttons repeat rows
            for (int x = 0; x < image.width(); ++x) {
                const int ink = static_cast<int>(next(next(4) == 0 ? colors : std::min(colors, 3)));
                image.setPixel(x, y, repeat ? image.pixel(x, y - 1) : inks[static_cast<std::size_t>(ink)]);
            }
        }
        const int bits = 3 + trial % 6;
        const DitherMethod dither = DitherMethod(trial % 7);

        IndexedImage fast;
        if (reduceToExactColors(image.view(), 1 << bits, fast)) ++taken; else ++refused;
        const Palette palette = buildPalette(image.view(), ColorReduction::Optimal, bits);
        FastColorLookup lookup(palette);
        auto engine = makeDitherEngine(dither, image.width(), lookup);
        IndexedImage walked;
        walked.width = image.width();
        walked.height = image.height();
        walked.pixels.assign(static_cast<std::size_t>(image.width()) * image.height(), 0);
        std::copy(palette.begin(), palette.end(), walked.colorTable.begin());
        convertPixels(image.view(), *engine, walked);

        const IndexedImage reduced = reduceColors(image.view(), ColorReduction::Optimal, dither, bits);
        ASSERT_EQ(reduced.pixels, walked.pixels) << "trial " << trial;
        ASSERT_TRUE(reduced.colorTable == walked.colorTable) << "trial " << trial;
    }
    EXPECT_GT(taken, 60);
    EXPECT_GT(refused, 60);
}

TEST(ColorReduction, WalksEveryEngineInASerpentine)
{
    // Each pixel's red channel is its number in raster order.
    Bgr24Image image(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) image.setPixel(x, y, makeColor(y * 4 + x, 0, 0));
    for (int m = 0; m < 7; ++m) {
        ScriptedLookup lookup;
        auto engine = makeDitherEngine(DitherMethod(m), 4, lookup);
        IndexedImage out;
        out.width = 4;
        out.height = 3;
        out.pixels.assign(12, 9);
        convertPixels(image.view(), *engine, out);
        EXPECT_EQ(lookup.asked, (std::vector<int>{0, 1, 2, 3, 7, 6, 5, 4, 8, 9, 10, 11}));
        EXPECT_EQ(out.pixels, std::vector<std::uint8_t>(12, 0));
    }
}

}  // namespace
}  // namespace nimbrel
