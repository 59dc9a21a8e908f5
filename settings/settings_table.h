#pragma once
// Every value the main window keeps in its settings file, in one table: its name
// in the file, its type, its first-start value, and the control that shows it
// with the limits that control keeps. The first-start values, the order of the
// names in the file, loading, saving and the style read from the settings all
// come from here.
#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_kind.h"
#include "settings/setting_keys.h"
#include "settings/setting_type.h"

namespace nimbrel {

struct Setting {
    std::string key;  // name in the settings file
    SettingType type;
    std::string firstStart;  // as the store's lists hold it before loading ("$00C08000")
    std::string control;     // object name of the control; empty for ControlKind::None
    ControlKind kind;
    int minimum = INT_MIN;  // SpinBox and Slider
    int maximum = INT_MAX;
    int items = 0;          // ComboBox and RadioGroup
    int maxLength = 0;      // LineEdit; 0: no limit
};

inline constexpr const char* kSettingsFileName = "Nimbrel.ini";
inline constexpr const char* kAutosavedCaptionListName = "Nimbrel_captions.ini";
inline constexpr const char* kMainWindowSection = "frmMain";

// In the order of the settings file: the booleans, then the integers, then the
// strings. The style's settings come from its fields (core/style_fields.h); a
// field the table does not place comes last in the section of its type.
const std::vector<Setting>& mainWindowSettings();

// The entry of `key` (compared exactly); throws nimbrel::Error for a name that
// is not in the table.
const Setting& mainWindowSetting(std::string_view key);

}  // namespace nimbrel
