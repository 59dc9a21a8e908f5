// "Create All Buttons": a set of 100 navigation buttons drawn and saved as BMP
// and GIF (optimal palette, Floyd-Steinberg, LZW). Reports buttons per second.
// BM_BatchJob is nimbrel-batch's own run over 1,000 captions; BM_WriteFloor
// writes the same files' bytes the same way (temporary file, rename) and
// nothing else, the floor no job can go below; BM_WriteOurWay does the same
// through the program's writer. BM_GifOfJobButtons is the job's GIF encoding
// alone. Run with --benchmark_enable_random_interleaving and repetitions: the
// "min" rows are the figures to compare.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "bench/fastest.h"
#include "bench/qt_bench_main.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "batch/batch_steps.h"
#include "batch/caption_to_file_name.h"
#include "batch/caption_list_file.h"
#include "batch/save_button.h"
#include "base/file_io.h"
#include "cli/cli_run.h"
#include "core/renderer.h"
#include "settings/style_from_settings.h"
#include "image/gif_image.h"
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
        request.colorReduction = ColorReduction::Optimal;
        request.dithering = DitherMethod::FloydSteinberg;
        request.gifCompression = GifCompression::Lzw;
        request.reductionBits = 8;
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
        names.push_back(captionToFileName(captions.back(), Spaces::ToUnderscores, LetterCase::Lower));
    }
    BenchWindow window(folder.string());
    window.style.antiAliasLevel = static_cast<int>(state.range(0));
    for (auto _ : state) createAllButtons({captions, names}, window);
    state.counters["buttons/s"] =
        benchmark::Counter(static_cast<double>(captions.size()), benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CreateAllButtons)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace fs = std::filesystem;

using bench::fastest;

// NIMBREL_BENCH_DIR names the folder to work in (a RAM disk such as /dev/shm,
// say); the system's temporary folder otherwise.
fs::path benchFolder(const char* name)
{
    const char* dir = std::getenv("NIMBREL_BENCH_DIR");
    return (dir && *dir ? fs::path(dir) : fs::temp_directory_path()) / name;
}

// The job of the speed targets: 1,000 captions on 120 x 32 buttons, anti-aliasing
// 2, BMP and GIF (optimal palette, Floyd-Steinberg, LZW), into a new folder.
struct BatchJob {
    fs::path work = benchFolder("nimbrel-batch-job-bench");
    cli::Options options;

    BatchJob()
    {
        fs::remove_all(work);
        fs::create_directories(work);
        ButtonStyle style = firstStartStyle();
        style.fixedWidth = style.fixedHeight = true;
        style.width = 120;
        style.height = 32;
        style.antiAliasLevel = 2;
        style.saveToFile((work / "style.ini").string(), work.string() + "/");
        std::vector<std::string> captions, names;
        for (int i = 0; i < 1000; ++i) {
            captions.push_back("Page " + std::to_string(i + 1));
            names.push_back("page" + std::to_string(i + 1));
        }
        writeCaptionList((work / "captions.txt").string(), captions, names);
        options.noSettings = true;
        options.quiet = true;
        options.styleFile = (work / "style.ini").string();
        options.captionFile = (work / "captions.txt").string();
        options.outputDir = (work / "out").string();
        options.saveBmp = options.saveGif = true;
        options.colorReduction = ColorReduction::Optimal;
        options.dithering = DitherMethod::FloydSteinberg;
        options.gifCompression = GifCompression::Lzw;
        options.reductionBits = 8;
    }
    ~BatchJob() { fs::remove_all(work); }

    // Runs the job into an empty output folder; the files it listed.
    std::vector<std::string> run()
    {
        std::ostringstream out, err;
        cli::Streams streams{out, err};
        if (cli::runBatch(options, allInOneFolder(work.string()), streams) != 0)
            throw std::runtime_error(err.str());
        std::vector<std::string> files;
        std::istringstream listing(out.str());
        for (std::string line; std::getline(listing, line);) files.push_back(line);
        return files;
    }
    void clearOutput() { fs::remove_all(work / "out"); }
};

// Arg: --jobs.
void BM_BatchJob(benchmark::State& state)
{
    BatchJob job;
    job.options.jobs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        job.clearOutput();
        state.ResumeTiming();
        job.run();
    }
    state.counters["buttons/s"] = benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BatchJob)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

// The GIF part of the job alone: the job's first hundred buttons, drawn once,
// each reduced and encoded as the job does (optimal palette, Floyd-Steinberg, LZW).
void BM_GifOfJobButtons(benchmark::State& state)
{
    BatchJob job;
    ButtonStyle style;
    style.loadFromFile(job.options.styleFile.value(), job.work.string() + "/");
    std::vector<Bgr24Image> buttons;
    RasterFont font;
    RasterBitmap bitmap;
    for (int i = 1; i <= 100; ++i) {
        renderButton(style, "Page " + std::to_string(i), font, bitmap);
        const Bgr24View view = bitmap.view();
        Bgr24Image copy(view.width, view.height);
        for (int y = 0; y < view.height; ++y) std::copy_n(view.row(y), view.width * 3, copy.row(y));
        buttons.push_back(std::move(copy));
    }
    for (auto _ : state)
        for (const Bgr24Image& button : buttons) {
            GifImage gif;
            gif.setColorReduction(ColorReduction::Optimal);
            gif.setDitherMethod(DitherMethod::FloydSteinberg);
            gif.setCompression(GifCompression::Lzw);
            gif.assign(button.view());
            benchmark::DoNotOptimize(gif.saveToBytes().data());
        }
    state.counters["buttons/s"] = benchmark::Counter(100, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_GifOfJobButtons)->Unit(benchmark::kMicrosecond);

// The job's files written again into a new folder, each by writeOne(name,
// bytes); the bytes are the job's own, read back once.
template <class WriteOne>
void writeJobFiles(benchmark::State& state, WriteOne writeOne)
{
    BatchJob job;
    job.options.jobs = 1;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const std::string& name : job.run()) files.emplace_back(name, readWholeFile(name));
    const std::string folder = job.options.outputDir.value();
    for (auto _ : state) {
        state.PauseTiming();
        job.clearOutput();
        state.ResumeTiming();
        fs::create_directories(folder);
        for (const auto& [name, bytes] : files)
            if (!writeOne(name, bytes)) state.SkipWithError("write failed");
    }
    state.counters["files"] = static_cast<double>(files.size());
}

// For each file: a new temporary file beside it, one write, close, rename.
void BM_WriteFloor(benchmark::State& state)
{
    writeJobFiles(state, [](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string temp = name + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
               ::close(fd) == 0 && ::rename(temp.c_str(), name.c_str()) == 0;
    });
}
BENCHMARK(BM_WriteFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

// The same through the program's own atomic writer, which nimbrel-batch uses.
void BM_WriteOurWay(benchmark::State& state)
{
    writeJobFiles(state, [](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        writeNewFileAtomically(name, bytes.data(), bytes.size());
        return true;
    });
}
BENCHMARK(BM_WriteOurWay)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

}  // namespace

int main(int argc, char** argv) { return nimbrel::bench::runWithQt<QGuiApplication>(argc, argv); }
