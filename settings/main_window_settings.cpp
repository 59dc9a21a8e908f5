#include "settings/main_window_settings.h"

#include <utility>

namespace nimbrel {

SettingsStore mainWindowSettingsStore()
{
    SettingsStore store(kSettingsFileName);
    for (const Setting& setting : mainWindowSettings())
        store.add(setting.type, setting.key, setting.firstStart);
    return store;
}

void configureMainWindowSettings(SettingsStore& store)
{
    auto onMessage = std::move(store.onMessage);
    store = mainWindowSettingsStore();
    store.onMessage = std::move(onMessage);
}

}  // namespace nimbrel
