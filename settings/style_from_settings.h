#pragma once
// The style the window shows after loading its settings: the stored values as
// the controls take them (value boxes clamp, lists keep their item ranges,
// edits their length limits). Lets a program without a window draw exactly
// what the window would.
#include <cstdint>
#include <functional>
#include <string>

#include "core/button_style.h"

namespace nimbrel {

// Named access to the settings values (the main window's names).
struct SettingsValues {
    std::function<bool(const std::string&)> boolean;
    std::function<std::int64_t(const std::string&)> integer;
    std::function<std::string(const std::string&)> text;
};

ButtonStyle styleFromSettings(const SettingsValues& values);

// The ranges of the width and height boxes; stored values outside them clamp.
inline constexpr int kMaxButtonWidth = 360;
inline constexpr int kMaxButtonHeight = 200;

// The prefix and suffix edits hold at most this many characters.
inline constexpr int kAffixMaxLength = 40;

// What an edit with a length limit keeps of a longer text: the first
// characters, counted as characters, so a UTF-8 sequence is never cut.
std::string limitedEditText(const std::string& text, int maxCharacters);

}  // namespace nimbrel
