#include "settings/settings_file.h"

namespace nimbrel {

SettingsStore mainWindowSettingsStore()
{
    SettingsStore store(kSettingsFileName);
    for (const Setting& setting : mainWindowSettings())
        store.add(setting.type, setting.key, setting.firstStart);
    return store;
}

}  // namespace nimbrel
