#pragma once
// What a control of the main window shows when it is given a stored value.
// The window's controls do this themselves; a program without a window asks
// here, so that it draws and saves what the window would. Texts need nothing
// of the kind: an edit takes whatever text it is given (its length limit is
// for typing only).
#include <cstdint>
#include <string>

#include "settings/settings_table.h"
#include "settings/settings_values.h"

namespace nimbrel {

// Spin boxes and sliders clamp to their range; lists show no selection (-1)
// outside their items; radio groups select their last item past it and none
// below 0; colour panels keep the value as stored.
std::int64_t controlNumber(const Setting& setting, std::int64_t stored);

// The same for the stored value of `key`, read from `values`.
std::int64_t controlNumber(const SettingsValues& values, const std::string& key);

}  // namespace nimbrel
