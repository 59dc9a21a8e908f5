#pragma once
// The output options the window shows after loading its settings, as a save
// request: the output folder, the file-type boxes, transparency, the scales
// and the choices the four GIF option groups show. File name, prefix and
// suffix are left empty: they come from the edits (or a style).
#include "batch/save_request.h"
#include "settings/settings_values.h"

namespace nimbrel {

SaveRequest saveRequestFromSettings(const SettingsValues& values);

}  // namespace nimbrel
