#include "app/settings_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <variant>

#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/font_faces.h"
#include "app/widgets/radio_group.h"
#include "app/widgets/typing_limit.h"
#include "base/error.h"
#include "base/overloaded.h"
#include "core/style_fields.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "settings/style_from_settings.h"

namespace nimbrel {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

int toInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

template <class Control>
Control* controlOf(const QWidget& window, const Setting& setting)
{
    auto* control = window.findChild<Control*>(q(setting.control));
    if (!control)
        throw Error("Control \"" + std::string(setting.control) + "\" of setting \"" +
                    std::string(setting.key) + "\" not found");
    return control;
}

// A value as a control holds it: checked state, number or text.
using ControlValue = std::variant<bool, std::int64_t, std::string>;

void setControl(const QWidget& window, const Setting& s, const ControlValue& v)
{
    switch (s.kind) {
        case ControlKind::None:
            return;
        case ControlKind::CheckBox:
            controlOf<QCheckBox>(window, s)->setChecked(std::get<bool>(v));
            return;
        case ControlKind::SpinBox:
            controlOf<QSpinBox>(window, s)->setValue(toInt(std::get<std::int64_t>(v)));
            return;
        case ControlKind::Slider:
            controlOf<QSlider>(window, s)->setValue(toInt(std::get<std::int64_t>(v)));
            return;
        case ControlKind::ColorPanel:
            controlOf<ColorPanelButton>(window, s)->setColor(
                static_cast<Color>(static_cast<std::uint32_t>(std::get<std::int64_t>(v))));
            return;
        case ControlKind::ComboBox:
            setListIndex(controlOf<QComboBox>(window, s), toInt(std::get<std::int64_t>(v)));
            return;
        case ControlKind::RadioGroup:
            controlOf<RadioGroup>(window, s)->setItemIndex(toInt(std::get<std::int64_t>(v)));
            return;
        case ControlKind::FontList:
            selectFontFace(*controlOf<QComboBox>(window, s), std::get<std::string>(v));
            return;
        case ControlKind::LineEdit:
            controlOf<QLineEdit>(window, s)->setText(QString::fromStdString(std::get<std::string>(v)));
            return;
    }
}

ControlValue controlValue(const QWidget& window, const Setting& s)
{
    switch (s.kind) {
        case ControlKind::None:
            break;
        case ControlKind::CheckBox:
            return controlOf<QCheckBox>(window, s)->isChecked();
        case ControlKind::SpinBox:
            return std::int64_t{controlOf<QSpinBox>(window, s)->value()};
        case ControlKind::Slider:
            return std::int64_t{controlOf<QSlider>(window, s)->value()};
        case ControlKind::ColorPanel:
            return std::int64_t{static_cast<std::int32_t>(controlOf<ColorPanelButton>(window, s)->color())};
        case ControlKind::ComboBox:
            return std::int64_t{controlOf<QComboBox>(window, s)->currentIndex()};
        case ControlKind::RadioGroup:
            return std::int64_t{controlOf<RadioGroup>(window, s)->itemIndex()};
        case ControlKind::FontList:
            return selectedFontFace(*controlOf<QComboBox>(window, s));
        case ControlKind::LineEdit:
            return controlOf<QLineEdit>(window, s)->text().toStdString();
    }
    return {};
}

ControlValue storedValue(const SettingsStore& store, const Setting& s)
{
    switch (s.type) {
        case SettingType::Boolean:
            return store.boolean(s.key);
        case SettingType::String:
            return store.text(s.key);
        default:
            return store.integer(s.key);
    }
}

void storeValue(SettingsStore& store, const Setting& s, const ControlValue& v)
{
    std::visit(Overloaded{
                   [&](bool b) { store.setBoolean(s.key, b); },
                   [&](std::int64_t n) { store.setInteger(s.key, n); },
                   [&](const std::string& t) { store.setText(s.key, t); },
               },
               v);
}

// A style field's value as its control holds it, and back.
ControlValue asControlValue(bool v)
{
    return v;
}
ControlValue asControlValue(std::int32_t v)
{
    return std::int64_t{v};
}
ControlValue asControlValue(Color v)
{
    return std::int64_t{static_cast<std::int32_t>(v)};
}
ControlValue asControlValue(const std::string& v)
{
    return v;
}

void takeControlValue(const ControlValue& v, bool& field)
{
    field = std::get<bool>(v);
}
void takeControlValue(const ControlValue& v, std::int32_t& field)
{
    field = static_cast<std::int32_t>(std::get<std::int64_t>(v));
}
void takeControlValue(const ControlValue& v, Color& field)
{
    field = static_cast<Color>(static_cast<std::uint32_t>(std::get<std::int64_t>(v)));
}
void takeControlValue(const ControlValue& v, std::string& field)
{
    field = std::get<std::string>(v);
}

}  // namespace

QSpinBox* makeSettingSpin(std::string_view key, const QString& accessibleName)
{
    const Setting& s = mainWindowSetting(key);
    return makeSpin(q(s.control), accessibleName, s.minimum, s.maximum);
}

QSlider* makeSettingSlider(std::string_view key, const QString& accessibleName)
{
    const Setting& s = mainWindowSetting(key);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(q(s.control));
    slider->setAccessibleName(accessibleName);
    slider->setRange(s.minimum, s.maximum);
    return slider;
}

QLineEdit* makeSettingEdit(std::string_view key, const QString& accessibleName)
{
    const Setting& s = mainWindowSetting(key);
    QLineEdit* edit = makeEdit(q(s.control), accessibleName);
    if (s.maxLength > 0) limitTyping(edit, s.maxLength);
    return edit;
}

QSpinBox* makeStyleSpin(StyleMember member, const QString& accessibleName)
{
    return makeSettingSpin(styleField(member).settingKey, accessibleName);
}

QLineEdit* makeStyleEdit(StyleMember member, const QString& accessibleName, int copy)
{
    return makeSettingEdit(copyName(styleField(member).settingKey, copy), accessibleName);
}

void loadControls(const SettingsStore& store, QWidget& window)
{
    for (const Setting& setting : mainWindowSettings())
        if (setting.kind != ControlKind::None) {
            controlOf<QWidget>(window, setting);  // a missing control is the first fault to tell
            setControl(window, setting, storedValue(store, setting));
        }
}

void saveControls(const QWidget& window, SettingsStore& store)
{
    for (const Setting& setting : mainWindowSettings())
        if (setting.kind != ControlKind::None) storeValue(store, setting, controlValue(window, setting));
}

void showStyle(const ButtonStyle& style, QWidget& window)
{
    forEachStyleSetting(style, [&](const Setting& setting, const auto& value) {
        setControl(window, setting, asControlValue(value));
    });
}

ButtonStyle shownStyle(const QWidget& window)
{
    ButtonStyle style;
    forEachStyleSetting(style, [&](const Setting& setting, auto& value) {
        takeControlValue(controlValue(window, setting), value);
    });
    return style;
}

}  // namespace nimbrel
