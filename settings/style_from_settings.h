#pragma once
// The style the window shows: after loading its settings, or after opening a
// style file. The controls limit what they are given (see control_values.h);
// these functions apply the same limits without a window, so a program without
// one draws exactly what the window would.
#include "core/button_style.h"
#include "core/style_fields.h"
#include "settings/settings_table.h"
#include "settings/settings_values.h"

namespace nimbrel {

// Calls visit(setting, value) for every field of the style, each numbered copy
// with the settings-table entry (and so the control) that holds it. `Style` is
// ButtonStyle or const ButtonStyle.
template <class Style, class Visit>
void forEachStyleSetting(Style& style, Visit visit)
{
    for (const StyleField& field : styleFields())
        forEachCopy(field, style, [&](int copy, auto& value) {
            visit(mainWindowSetting(copyName(field.settingKey, copy)), value);
        });
}

// `style` as the controls hold it once it is put into them: value boxes keep
// their ranges, lists show no selection outside their items, bitmap file names
// lose their quotes. The window puts an opened style file through this too.
ButtonStyle styleAsShown(const ButtonStyle& style);

// The stored values, as the controls take them.
ButtonStyle styleFromSettings(const SettingsValues& values);

// The style of a first start: the settings table's first-start values, as the
// controls take them.
ButtonStyle firstStartStyle();

}  // namespace nimbrel
