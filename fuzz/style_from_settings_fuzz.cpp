// Settings to style: any settings file that loads gives a style (or the
// program's error), and that style, once saved as a style file, reads back the
// same however often it is saved again (bitmap names typed relative to the
// application folder become absolute on the first reading).
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/error.h"
#include "core/style_file.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/style_from_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    SettingsStore store = mainWindowSettingsStore();
    store.onMessage = [](const std::string&) {};
    ButtonStyle style;
    try {
        store.loadAllFrom(IniDocument::fromBytes(std::vector<std::uint8_t>(data, data + size)));
        style = styleFromSettings(settingsValues(store));
    } catch (const Error&) {
        return 0;
    }
    const std::string appFolder = "/opt/nimbrel/";
    ButtonStyle once, twice;
    readStyleFileLines(once, styleFileLines(style, appFolder), appFolder);
    readStyleFileLines(twice, styleFileLines(once, appFolder), appFolder);
    if (twice != once) std::abort();
    return 0;
}
