#pragma once
// What a control of the main window shows when it is given a stored value.
// The window's controls do this themselves; a program without a window asks
// here, so that it draws and saves what the window would.
#include <cstdint>
#include <string>

#include "settings/settings_table.h"
#include "settings/settings_values.h"

namespace nimbrel {

// Spin boxes and sliders clamp to their range; lists show no selection (-1)
// outside their items; radio groups select their last item past it and none
// below 0; colour panels keep the value as stored.
std::int64_t controlNumber(const Setting& setting, std::int64_t stored);

// Edits with a length limit keep that many characters; other texts stay whole.
std::string controlText(const Setting& setting, const std::string& stored);

// The same for the stored value of `key`, read from `values`.
std::int64_t controlNumber(const SettingsValues& values, const std::string& key);
std::string controlText(const SettingsValues& values, const std::string& key);

// What an edit with a length limit keeps of a longer text: the first
// characters, counted as characters, so a UTF-8 sequence is never cut.
std::string limitedEditText(const std::string& text, int maxCharacters);

}  // namespace nimbrel
