// "Create All Buttons": a set of 100 navigation buttons drawn and saved as BMP
// and GIF (optimal palette, Floyd-Steinberg, LZW). Reports buttons per second.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"

#include <QGuiApplication>
#include <filesystem>

#include "batch/batch_steps.h"
#include "batch/caption_to_file_name.h"
#include "batch/save_button.h"
#include "core/renderer.h"
#include "settings/style_from_settings.h"
#include "image/gif_options.h"

namespace {

using namespace nimbrel;

class NoQuestions : public SaveInteraction {
public:
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string&) override {}
};

class BenchWindow : public BatchHost {
public:
    explicit BenchWindow(const std::string& folder)
    {
        request.outputDir = folder;
        request.colorReduction = static_cast<int>(ColorReduction::Optimal);
        request.dithering = static_cast<int>(DitherMethod::FloydSteinberg);
        request.gifCompression = static_cast<int>(GifCompression::Lzw);
        request.reductionBits = kReductionBitsItems - 1;
    }
    void loadEntry(const std::string& newCaption, const std::string& fileName) override
    {
        caption = newCaption;
        request.fileName = fileName;
    }
    void selectEntry(int) override {}
    void draw() override { renderButton(style, caption, previewFont, button); }
    void save() override { saveButton(request, button.view(), ui); }

    ButtonStyle style = firstStartStyle();
    SaveRequest request;

private:
    std::string caption;
    RasterFont previewFont;
    RasterBitmap button;
    NoQuestions ui;
};

void BM_CreateAllButtons(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "nimbrel-batch-bench";
    std::filesystem::create_directories(folder);
    std::vector<std::string> captions, names;
    for (int i = 0; i < 100; ++i) {
        captions.push_back("Section " + std::to_string(i + 1) + " Overview");
        names.push_back(captionToFileName(captions.back(), true, true));
    }
    BenchWindow window(folder.string());
    window.style.fontAntiAlias = static_cast<int>(state.range(0));
    for (auto _ : state) createAllButtons({captions, names}, window);
    state.counters["buttons/s"] =
        benchmark::Counter(static_cast<double>(captions.size()), benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CreateAllButtons)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return nimbrel::bench::runWithQt<QGuiApplication>(argc, argv); }
