// A settings file of 1.46 million foreign lines (the size of a hostile one
// under the 16 MB limit): loading the window's values from it and saving them
// back, as start-up and shut-down do.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace {

std::vector<std::uint8_t> hugeSettingsFile()
{
    std::string text = "[Junk]\n";
    char line[32];
    for (int i = 0; i < 1460000; ++i) text.append(line, std::snprintf(line, sizeof line, "%x=1\n", i));
    return {text.begin(), text.end()};
}

void BM_LoadAndSaveHugeSettings(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = hugeSettingsFile();
    for (auto _ : state) {
        const nimbrel::IniDocument file = nimbrel::IniDocument::fromBytes(bytes);
        nimbrel::SettingsStore store = nimbrel::mainWindowSettingsStore();
        store.loadAllFrom(file);
        nimbrel::IniDocument saved = file;
        store.saveAllTo(saved);
        benchmark::DoNotOptimize(saved.lines().size());
    }
}
BENCHMARK(BM_LoadAndSaveHugeSettings)->Unit(benchmark::kMillisecond);

}  // namespace
