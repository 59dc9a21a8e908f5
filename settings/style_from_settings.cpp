#include "settings/style_from_settings.h"

#include <algorithm>
#include <climits>
#include <string>

#include "settings/control_values.h"
#include "settings/main_window_settings.h"

namespace nimbrel {
namespace {

template <class... Ts>
struct Overload : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;

// Calls visit(key, field) for every field of the style with the key of the
// setting (and so of the control) that holds it.
template <class Visit>
void forEachStyleSetting(ButtonStyle& s, Visit visit)
{
    visit("ButtonSizeWidth", s.width);
    visit("ButtonSizeHeight", s.height);
    visit("chkFixedWidth", s.fixedWidth);
    visit("chkFixedHeight", s.fixedHeight);
    visit("ButtonColor", s.colorBack);
    visit("ButtonBorderColorLeft", s.colorBorderLeft);
    visit("ButtonBorderColorRight", s.colorBorderRight);
    visit("ButtonBorderColorTop", s.colorBorderTop);
    visit("ButtonBorderColorBottom", s.colorBorderBottom);
    visit("ButtonBorderLeft", s.borderLeft);
    visit("ButtonBorderRight", s.borderRight);
    visit("ButtonBorderTop", s.borderTop);
    visit("ButtonBorderBottom", s.borderBottom);
    visit("FontName", s.fontName);
    visit("FontSize", s.fontSize);
    visit("FontStyle", s.fontStyle);
    visit("chkUnderlined", s.fontUnderline);
    visit("cmbAntiAlias", s.fontAntiAlias);
    visit("FontColor", s.fontColor);
    visit("FontAlign", s.textAlign);
    visit("MinorX", s.minorX);
    visit("MinorY", s.minorY);
    visit("chkBMPBackground", s.importBMP);
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        const std::string n = std::to_string(i);
        std::string name = s.bitmapFileName(i);
        bool enabled = s.bitmapEnabled(i);
        std::int32_t align = s.bitmapAlign(i);
        visit("BMPFilename" + n, name);
        visit("chkBMPEnabled" + n, enabled);
        visit("BMPAlign" + n, align);
        s.setBitmapFileName(i, name);
        s.setBitmapEnabled(i, enabled);
        s.setBitmapAlign(i, align);
    }
    visit("edtPrefix", s.prefix);
    visit("edtSuffix", s.suffix);
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
    for (int i = 1; i <= kStyleBitmapCount; ++i) s.setBitmapFileName(i, unquoteFileName(s.bitmapFileName(i)));
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
