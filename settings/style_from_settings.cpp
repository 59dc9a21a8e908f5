#include "settings/style_from_settings.h"

#include "settings/control_values.h"
#include "settings/main_window_settings.h"

namespace nimbrel {

ButtonStyle styleFromSettings(const SettingsValues& v)
{
    auto number = [&v](const std::string& key) { return static_cast<std::int32_t>(controlNumber(v, key)); };
    auto color = [&v](const std::string& key) { return static_cast<Color>(controlNumber(v, key)); };

    ButtonStyle s;
    s.width = number("ButtonSizeWidth");
    s.height = number("ButtonSizeHeight");
    s.fixedWidth = v.boolean("chkFixedWidth");
    s.fixedHeight = v.boolean("chkFixedHeight");
    s.colorBack = color("ButtonColor");
    s.colorBorderLeft = color("ButtonBorderColorLeft");
    s.colorBorderRight = color("ButtonBorderColorRight");
    s.colorBorderTop = color("ButtonBorderColorTop");
    s.colorBorderBottom = color("ButtonBorderColorBottom");
    s.borderLeft = number("ButtonBorderLeft");
    s.borderRight = number("ButtonBorderRight");
    s.borderTop = number("ButtonBorderTop");
    s.borderBottom = number("ButtonBorderBottom");
    s.fontName = controlText(v, "FontName");
    s.fontSize = number("FontSize");
    s.fontStyle = number("FontStyle");
    s.fontUnderline = v.boolean("chkUnderlined");
    s.fontAntiAlias = number("cmbAntiAlias");
    s.fontColor = color("FontColor");
    s.textAlign = number("FontAlign");
    s.minorX = number("MinorX");
    s.minorY = number("MinorY");
    s.importBMP = v.boolean("chkBMPBackground");
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        const std::string n = std::to_string(i);
        s.setBitmapFileName(i, unquoteFileName(controlText(v, "BMPFilename" + n)));
        s.setBitmapEnabled(i, v.boolean("chkBMPEnabled" + n));
        s.setBitmapAlign(i, number("BMPAlign" + n));
    }
    s.prefix = controlText(v, "edtPrefix");
    s.suffix = controlText(v, "edtSuffix");
    return s;
}

ButtonStyle firstStartStyle()
{
    const SettingsStore store = mainWindowSettingsStore();
    return styleFromSettings(settingsValues(store));
}

}  // namespace nimbrel
