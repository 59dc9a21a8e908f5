#pragma once
// The window's controls and the settings table (settings/settings_table.h):
// controls built with the limits the table gives, and one generic loader and
// saver that moves each table entry's value between the settings store and the
// control of that object name, by the entry's ControlKind; the style moves
// between its value and the controls the same way, field by field.
#include <QString>
#include <string_view>

#include "core/button_style.h"
#include "core/style_fields.h"
#include "settings/setting_keys.h"

class QLineEdit;
class QSlider;
class QSpinBox;
class QWidget;

namespace nimbrel {

class SettingsStore;

// The control of setting `key`, named and limited as the table says.
QSpinBox* makeSettingSpin(std::string_view key, const QString& accessibleName);
QSlider* makeSettingSlider(std::string_view key, const QString& accessibleName);
QLineEdit* makeSettingEdit(std::string_view key, const QString& accessibleName);
// The same for a style field, or its copy `copy` (1-based) of a numbered field.
QSpinBox* makeStyleSpin(StyleMember member, const QString& accessibleName);
QLineEdit* makeStyleEdit(StyleMember member, const QString& accessibleName, int copy = 0);

// For each table entry with a control, in table order: the stored value into
// the control found under `window` by its object name. Throws nimbrel::Error
// when a control is missing or not of the kind the table names.
void loadControls(const SettingsStore& store, QWidget& window);
// The controls' values into the store, in table order.
void saveControls(const QWidget& window, SettingsStore& store);

// The style into the controls that show its fields, and the style they show
// (as they hold it: bitmap names keep any quotes).
void showStyle(const ButtonStyle& style, QWidget& window);
ButtonStyle shownStyle(const QWidget& window);

}  // namespace nimbrel
