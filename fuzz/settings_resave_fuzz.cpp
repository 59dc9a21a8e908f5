// Settings file after a load that failed part-way: the window still saves what
// it holds at shut-down. Whatever the bytes, that save keeps every line it did
// not own, and the file it writes loads without error.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/error.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    const IniDocument file = IniDocument::fromBytes(std::vector<std::uint8_t>(data, data + size));
    SettingsStore store = mainWindowSettingsStore();
    store.onMessage = [](const std::string&) {};
    try {
        store.loadAllFrom(file);
    } catch (const Error&) {
        // Go on as the window does: the values loaded so far are saved.
    }
    IniDocument saved = file;
    store.saveAllTo(saved);
    if (saved.lines().size() < file.lines().size()) std::abort();
    const std::string text = saved.text();
    SettingsStore again = mainWindowSettingsStore();
    again.onMessage = [](const std::string&) {};
    again.loadAllFrom(IniDocument::fromBytes(std::vector<std::uint8_t>(text.begin(), text.end())));
    return 0;
}
