#include "settings/main_window_settings.h"

#include "settings/settings_store.h"

namespace nimbrel {

void configureMainWindowSettings(SettingsStore& store)
{
    store.fileName = kSettingsFileName;
    store.sectionPrefix.clear();
    store.inAppFolder = true;
    store.booleans.clear();
    store.floats.clear();
    store.integers.clear();
    store.strings.clear();
    for (const Setting& setting : mainWindowSettings()) {
        std::vector<std::string>& list = setting.type == SettingType::Boolean   ? store.booleans
                                         : setting.type == SettingType::Integer ? store.integers
                                                                                : store.strings;
        list.push_back(std::string(setting.key) + "=" + std::string(setting.firstStart));
    }
}

}  // namespace nimbrel
