#include "settings/control_values.h"

#include <algorithm>

#include "batch/save_button.h"

namespace nimbrel {
namespace {

std::int64_t rangeValue(const Setting& s, std::int64_t stored)
{
    return std::clamp<std::int64_t>(stored, s.minimum, s.maximum);
}

std::int64_t listIndex(const Setting& s, std::int64_t stored)
{
    return stored >= 0 && stored < s.items ? stored : -1;
}

std::int64_t radioIndex(const Setting& s, std::int64_t stored)
{
    return radioGroupIndex(stored, s.items);
}

}  // namespace

std::int64_t controlNumber(const Setting& setting, std::int64_t stored)
{
    switch (setting.kind) {
        case ControlKind::SpinBox:
        case ControlKind::Slider:
            return rangeValue(setting, stored);
        case ControlKind::ComboBox:
            return listIndex(setting, stored);
        case ControlKind::RadioGroup:
            return radioIndex(setting, stored);
        default:
            return stored;
    }
}

std::string controlText(const Setting& setting, const std::string& stored)
{
    const bool limited = setting.kind == ControlKind::LineEdit && setting.maxLength > 0;
    return limited ? limitedEditText(stored, setting.maxLength) : stored;
}

std::int64_t controlNumber(const SettingsValues& values, const std::string& key)
{
    return controlNumber(mainWindowSetting(key), values.integer(key));
}

std::string controlText(const SettingsValues& values, const std::string& key)
{
    return controlText(mainWindowSetting(key), values.text(key));
}

std::string limitedEditText(const std::string& text, int maxCharacters)
{
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters) return text.substr(0, i);
    }
    return text;
}

}  // namespace nimbrel
