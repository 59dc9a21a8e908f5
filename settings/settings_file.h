#pragma once
// The main window's settings store: "Nimbrel.ini" in the application folder,
// its value lists made from the settings table.
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace nimbrel {

SettingsStore mainWindowSettingsStore();

}  // namespace nimbrel
