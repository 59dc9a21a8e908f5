// From nothing to the first drawn button: creating the main window (layout,
// settings, autosaved caption list) and showing it, in an empty application
// folder as on a first start and again with the settings that start left.
#include <benchmark/benchmark.h>

#include "bench/qt_bench_main.h"

#include <QApplication>
#include <QTemporaryDir>

#include "app/dialogs.h"
#include "app/main_window.h"

namespace {

// Answers nothing: a first start asks no questions.
class SilentDialogs : public nimbrel::Dialogs {
public:
    void message(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> openFileName(const nimbrel::FileDialogOptions&) override { return {}; }
    std::optional<std::string> saveFileName(const nimbrel::FileDialogOptions&) override { return {}; }
    std::optional<std::string> folderName(const std::string&, const std::string&) override { return {}; }
    std::optional<nimbrel::Color> chooseColor(nimbrel::Color) override { return {}; }
};

void startOnce(SilentDialogs& dialogs, const std::string& home)
{
    nimbrel::MainWindow window(dialogs, nimbrel::allInOneFolder(home));
    window.show();
    while (window.drawingCount() == 0) QApplication::processEvents();
    benchmark::DoNotOptimize(window.buttonBitmap().width());
    window.shutDown();
}

void BM_StartToFirstButton(benchmark::State& state)
{
    const bool firstStart = state.range(0) == 1;
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        if (!firstStart) startOnce(dialogs, home.path().toStdString());  // leaves settings and folders behind
        state.ResumeTiming();
        startOnce(dialogs, home.path().toStdString());
    }
}
BENCHMARK(BM_StartToFirstButton)->Arg(1)->Arg(0)->ArgNames({"first"})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return nimbrel::bench::runWithQt<QApplication>(argc, argv); }
