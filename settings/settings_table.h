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

#include "settings/setting_type.h"

namespace nimbrel {

// How a control holds the value, which decides how a stored value is taken in.
enum class ControlKind {
    None,        // no control: a folder the file dialogs remember
    CheckBox,    // checked state
    SpinBox,     // number kept within [minimum, maximum]
    Slider,      // position kept within [minimum, maximum]
    ColorPanel,  // colour value, kept as stored (system colours included)
    ComboBox,    // item index; outside [0, items) shows no selection (-1)
    RadioGroup,  // item index; past the last item selects the last, below 0 none
    FontList,    // face name; a face that is not installed is taken in as it is
    LineEdit,    // text, taken whole; the user types at most maxLength characters when that is set
};

struct Setting {
    std::string_view key;         // name in the settings file
    SettingType type;
    std::string_view firstStart;  // as the store's lists hold it before loading ("$00C08000")
    std::string_view control;     // object name of the control; empty for ControlKind::None
    ControlKind kind;
    int minimum = INT_MIN;  // SpinBox and Slider
    int maximum = INT_MAX;
    int items = 0;          // ComboBox and RadioGroup
    int maxLength = 0;      // LineEdit; 0: no limit
};

inline constexpr const char* kSettingsFileName = "Nimbrel.ini";
inline constexpr const char* kAutosavedCaptionListName = "Nimbrel_captions.ini";
inline constexpr const char* kMainWindowSection = "frmMain";

// In the order of the settings file: the booleans, then the integers, then the strings.
const std::vector<Setting>& mainWindowSettings();

// The entry of `key` (compared exactly); throws nimbrel::Error for a name that
// is not in the table.
const Setting& mainWindowSetting(std::string_view key);

}  // namespace nimbrel
