#pragma once
// The main window's settings store: "Nimbrel.ini" in the config folder, its
// value lists made from the settings table.
#include "base/app_folder.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace nimbrel {

SettingsStore mainWindowSettingsStore(const AppFolders& folders);
// The same value lists without a file: the first-start values.
SettingsStore mainWindowSettingsStore();

}  // namespace nimbrel
