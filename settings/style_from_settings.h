#pragma once
// The style the window shows after loading its settings: the stored values as
// the controls take them (see control_values.h). Lets a program without a
// window draw exactly what the window would.
#include "core/button_style.h"
#include "settings/settings_table.h"
#include "settings/settings_values.h"

namespace nimbrel {

ButtonStyle styleFromSettings(const SettingsValues& values);

// The style of a first start: the settings table's first-start values, as the
// controls take them.
ButtonStyle firstStartStyle();

}  // namespace nimbrel
