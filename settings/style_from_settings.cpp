#include "settings/style_from_settings.h"

#include <algorithm>
#include <climits>
#include <string>

#include "base/overloaded.h"
#include "settings/control_values.h"
#include "settings/settings_file.h"

namespace nimbrel {

ButtonStyle styleAsShown(const ButtonStyle& style)
{
    ButtonStyle s = style;
    forEachStyleSetting(s, Overloaded{
                               [](const Setting& setting, std::int32_t& value) {
                                   value = static_cast<std::int32_t>(controlNumber(setting, value));
                               },
                               [](const Setting&, auto&) {},  // check boxes, panels and texts keep theirs
                           });
    for (std::string& name : s.bitmapFileNames) name = unquoteFileName(name);
    return s;
}

ButtonStyle styleFromSettings(const SettingsValues& v)
{
    ButtonStyle s;
    forEachStyleSetting(
        s, Overloaded{
               [&v](const Setting& setting, bool& value) { value = v.boolean(setting.key); },
               [&v](const Setting& setting, std::int32_t& value) {
                   // A value box holds 32 bits: a larger number stops at its ends.
                   value = static_cast<std::int32_t>(
                       std::clamp<std::int64_t>(v.integer(setting.key), INT_MIN, INT_MAX));
               },
               [&v](const Setting& setting, Color& value) {
                   value = static_cast<Color>(static_cast<std::uint32_t>(v.integer(setting.key)));
               },
               [&v](const Setting& setting, std::string& value) { value = v.text(setting.key); },
           });
    return styleAsShown(s);
}

ButtonStyle firstStartStyle()
{
    const SettingsStore store = mainWindowSettingsStore();
    return styleFromSettings(settingsValues(store));
}

}  // namespace nimbrel
