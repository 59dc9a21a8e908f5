#include "settings/style_from_settings.h"

#include <algorithm>
#include <climits>
#include <string>

#include "core/style_fields.h"
#include "settings/control_values.h"
#include "settings/settings_file.h"

namespace nimbrel {
namespace {

template <class... Ts>
struct Overload : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;

// Calls visit(key, value) for every field of the style, each copy with the
// name of the setting (and so of the control) that holds it.
template <class Visit>
void forEachStyleSetting(ButtonStyle& s, Visit visit)
{
    for (const StyleField& field : styleFields())
        forEachCopy(field, s, [&](int copy, auto& value) { visit(copyName(field.settingKey, copy), value); });
}

}  // namespace

ButtonStyle styleAsShown(const ButtonStyle& style)
{
    ButtonStyle s = style;
    forEachStyleSetting(
        s, Overload{
               [](const std::string& key, std::int32_t& value) {
                   value = static_cast<std::int32_t>(controlNumber(mainWindowSetting(key), value));
               },
               [](const std::string&, auto&) {},  // check boxes, panels and texts keep theirs
           });
    for (std::string& name : s.bitmapFileNames) name = unquoteFileName(name);
    return s;
}

ButtonStyle styleFromSettings(const SettingsValues& v)
{
    ButtonStyle s;
    forEachStyleSetting(s, Overload{
                               [&v](const std::string& key, bool& value) { value = v.boolean(key); },
                               [&v](const std::string& key, std::int32_t& value) {
                                   // A value box holds 32 bits: a larger number stops at its ends.
                                   value = static_cast<std::int32_t>(
                                       std::clamp<std::int64_t>(v.integer(key), INT_MIN, INT_MAX));
                               },
                               [&v](const std::string& key, Color& value) {
                                   value = static_cast<Color>(static_cast<std::uint32_t>(v.integer(key)));
                               },
                               [&v](const std::string& key, std::string& value) { value = v.text(key); },
                           });
    return styleAsShown(s);
}

ButtonStyle firstStartStyle()
{
    const SettingsStore store = mainWindowSettingsStore();
    return styleFromSettings(settingsValues(store));
}

}  // namespace nimbrel
