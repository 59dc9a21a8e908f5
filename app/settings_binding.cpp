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

#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/font_faces.h"
#include "app/widgets/radio_group.h"
#include "app/widgets/typing_limit.h"
#include "base/error.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

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

void load(const SettingsStore& store, const QWidget& window, const Setting& s)
{
    const std::string key(s.key);
    switch (s.kind) {
        case ControlKind::None:
            return;
        case ControlKind::CheckBox:
            controlOf<QCheckBox>(window, s)->setChecked(store.boolean(key));
            return;
        case ControlKind::SpinBox:
            controlOf<QSpinBox>(window, s)->setValue(toInt(store.integer(key)));
            return;
        case ControlKind::Slider:
            controlOf<QSlider>(window, s)->setValue(toInt(store.integer(key)));
            return;
        case ControlKind::ColorPanel:
            controlOf<ColorPanelButton>(window, s)->setColor(
                static_cast<Color>(static_cast<std::uint32_t>(store.integer(key))));
            return;
        case ControlKind::ComboBox:
            setListIndex(controlOf<QComboBox>(window, s), toInt(store.integer(key)));
            return;
        case ControlKind::RadioGroup:
            controlOf<RadioGroup>(window, s)->setItemIndex(toInt(store.integer(key)));
            return;
        case ControlKind::FontList:
            selectFontFace(*controlOf<QComboBox>(window, s), store.text(key));
            return;
        case ControlKind::LineEdit:
            controlOf<QLineEdit>(window, s)->setText(QString::fromStdString(store.text(key)));
            return;
    }
}

void save(const QWidget& window, const Setting& s, SettingsStore& store)
{
    const std::string key(s.key);
    switch (s.kind) {
        case ControlKind::None:
            return;
        case ControlKind::CheckBox:
            store.setBoolean(key, controlOf<QCheckBox>(window, s)->isChecked());
            return;
        case ControlKind::SpinBox:
            store.setInteger(key, controlOf<QSpinBox>(window, s)->value());
            return;
        case ControlKind::Slider:
            store.setInteger(key, controlOf<QSlider>(window, s)->value());
            return;
        case ControlKind::ColorPanel:
            store.setInteger(key, static_cast<std::int32_t>(controlOf<ColorPanelButton>(window, s)->color()));
            return;
        case ControlKind::ComboBox:
            store.setInteger(key, controlOf<QComboBox>(window, s)->currentIndex());
            return;
        case ControlKind::RadioGroup:
            store.setInteger(key, controlOf<RadioGroup>(window, s)->itemIndex());
            return;
        case ControlKind::FontList:
            store.setText(key, selectedFontFace(*controlOf<QComboBox>(window, s)));
            return;
        case ControlKind::LineEdit:
            store.setText(key, controlOf<QLineEdit>(window, s)->text().toStdString());
            return;
    }
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

void loadControls(const SettingsStore& store, QWidget& window)
{
    for (const Setting& setting : mainWindowSettings()) load(store, window, setting);
}

void saveControls(const QWidget& window, SettingsStore& store)
{
    for (const Setting& setting : mainWindowSettings()) save(window, setting, store);
}

}  // namespace nimbrel
