// How long one button takes to draw: typing a caption redraws at every key.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <filesystem>

#include "core/renderer.h"
#include "settings/style_from_settings.h"
#include "image/bmp_writer.h"

namespace {

using namespace nimbrel;

void BM_FirstStartStyle(benchmark::State& state)
{
    ButtonStyle style = firstStartStyle();
    style.antiAliasLevel = static_cast<int>(state.range(0));
    RasterFont preview;
    RasterBitmap button;
    for (auto _ : state) {
        renderButton(style, "Home", preview, button);
        benchmark::DoNotOptimize(button.image().constBits());
    }
}
BENCHMARK(BM_FirstStartStyle)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_TiledBitmaps(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "nimbrel-render-bench";
    std::filesystem::create_directories(folder);
    ButtonStyle style = firstStartStyle();
    style.fixedWidth = style.fixedHeight = true;
    style.width = 360;
    style.height = 200;
    style.backgroundBitmapsOn = true;
    const int aligns[] = {BitmapAlign::TileTop, BitmapAlign::TileBottom, BitmapAlign::TileLeft, BitmapAlign::TileRight};
    for (int i = 1; i <= 4; ++i) {
        Bgr24Image tile(13 + i, 9 + i);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x) tile.setPixel(x, y, makeColor(x * 9, y * 13, i * 50));
        const std::string name = (folder / ("tile" + std::to_string(i) + ".bmp")).string();
        saveBmpFile(name, tile.view());
        style.setBitmapFileName(i, name);
        style.setBitmapEnabled(i, true);
        style.setBitmapAlign(i, aligns[i - 1]);
    }
    RasterFont preview;
    RasterBitmap button;
    for (auto _ : state) {
        renderButton(style, "Home", preview, button);
        benchmark::DoNotOptimize(button.image().constBits());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TiledBitmaps)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return nimbrel::bench::runWithQt<QGuiApplication>(argc, argv); }
