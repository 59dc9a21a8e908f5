#include "settings/settings_file.h"

namespace nimbrel {
namespace {

SettingsStore withMainWindowSettings(SettingsStore store)
{
    for (const Setting& setting : mainWindowSettings())
        store.add(setting.type, setting.key, setting.firstStart);
    return store;
}

}  // namespace

SettingsStore mainWindowSettingsStore(const AppFolders& folders)
{
    return withMainWindowSettings(SettingsStore(kSettingsFileName, folders));
}

SettingsStore mainWindowSettingsStore()
{
    return withMainWindowSettings(SettingsStore());
}

}  // namespace nimbrel
