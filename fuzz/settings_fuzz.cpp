// Settings file reader: any bytes load into the main window's store or fail
// with the program's error; what loaded is saved, and the saved file loads to
// the same values while keeping the lines it did not know.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/error.h"
#include "base/text_codec.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace {

nimbrel::SettingsStore mainWindowStore()
{
    nimbrel::SettingsStore store = nimbrel::mainWindowSettingsStore();
    store.add(nimbrel::SettingType::Float, "Gamma", "2.2");
    store.onMessage = [](const std::string&) {};
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    const IniDocument file = IniDocument::fromBytes(std::vector<std::uint8_t>(data, data + size));
    SettingsStore store = mainWindowStore();
    store.readWindowPlacementFrom(file, nimbrel::kMainWindowSection);
    try {
        store.loadAllFrom(file);
    } catch (const Error&) {
        return 0;
    }
    IniDocument saved = file;
    store.saveAllTo(saved);
    if (saved.lines().size() < file.lines().size()) std::abort();

    const std::string text = saved.text();
    SettingsStore again = mainWindowStore();
    again.loadAllFrom(IniDocument::fromBytes(std::vector<std::uint8_t>(text.begin(), text.end())));
    using nimbrel::SettingType;
    for (const SettingType type :
         {SettingType::Boolean, SettingType::Float, SettingType::Integer, SettingType::String})
        if (again.lines(type) != store.lines(type)) std::abort();
    return 0;
}
