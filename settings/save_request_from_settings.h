#pragma once
// The output options the window shows after loading its settings, as a save
// request: the output folder, the two output boxes and the four GIF option
// groups as the radio groups take them. File name, prefix and suffix are left
// empty: they come from the edits (or a style).
#include "batch/save_button.h"
#include "settings/settings_values.h"

namespace nimbrel {

SaveRequest saveRequestFromSettings(const SettingsValues& values);

}  // namespace nimbrel
