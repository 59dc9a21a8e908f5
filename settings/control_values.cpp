#include "settings/control_values.h"

#include <algorithm>

#include "settings/gif_radio_groups.h"

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

std::int64_t controlNumber(const SettingsValues& values, const std::string& key)
{
    return controlNumber(mainWindowSetting(key), values.integer(key));
}

}  // namespace nimbrel
