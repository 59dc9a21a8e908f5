#pragma once
// The style and output options the window shows after loading its settings:
// the stored values as the controls take them (value boxes clamp, lists and
// radio groups keep their item ranges). Lets a program without a window draw
// and save exactly what the window would.
#include <cstdint>
#include <functional>
#include <string>

#include "batch/save_button.h"
#include "core/button_style.h"

namespace nimbrel {

// Named access to the settings values (the main window's names).
struct SettingsValues {
    std::function<bool(const std::string&)> boolean;
    std::function<std::int64_t(const std::string&)> integer;
    std::function<std::string(const std::string&)> text;
};

TButtonStyle styleFromSettings(const SettingsValues& values);

// Output folder, prefix and suffix, the two output boxes and the four GIF
// option groups; the file name is left empty.
SaveRequest saveRequestFromSettings(const SettingsValues& values);

// The prefix and suffix edits hold at most this many characters.
inline constexpr int kAffixMaxLength = 40;

}  // namespace nimbrel
