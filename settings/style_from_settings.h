#pragma once
// The style the window shows: after loading its settings, or after opening a
// style file. The controls limit what they are given (see control_values.h);
// these functions apply the same limits without a window, so a program without
// one draws exactly what the window would.
#include "core/button_style.h"
#include "settings/settings_table.h"
#include "settings/settings_values.h"

namespace nimbrel {

// `style` as the controls hold it once it is put into them: value boxes keep
// their ranges, lists show no selection outside their items, bitmap file names
// lose their quotes. The window puts an opened style file through this too.
ButtonStyle styleAsShown(const ButtonStyle& style);

// The stored values, as the controls take them.
ButtonStyle styleFromSettings(const SettingsValues& values);

// The style of a first start: the settings table's first-start values, as the
// controls take them.
ButtonStyle firstStartStyle();

}  // namespace nimbrel
