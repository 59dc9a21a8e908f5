#pragma once
// Small makers for the window's controls, so each tab's layout reads as a list of
// what it holds.
#include <QString>
#include <QStringList>
#include <climits>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace nimbrel {

// A value box; without a range it takes any 32-bit value.
QSpinBox* makeSpin(const QString& name, const QString& accessibleName, int minimum = INT_MIN,
                   int maximum = INT_MAX);
QCheckBox* makeCheck(const QString& name, const QString& text);
QComboBox* makeList(const QString& name, const QString& accessibleName, const QStringList& items);
QLineEdit* makeEdit(const QString& name, const QString& accessibleName);
QPushButton* makeButton(const QString& name, const QString& text);
// A label that names `buddy` for the keyboard and for screen readers.
QLabel* makeLabel(const QString& text, QWidget* buddy);
QGroupBox* makeGroup(const QString& name, const QString& title);
// Tighter margins and spacing than the style's, so every tab fits the window's start size.
void makeCompact(QLayout* layout);

// A list given an index outside its items shows no selection.
void setListIndex(QComboBox* list, int index);

// A check box whose long text wraps onto more lines; a click on the text toggles it too.
QWidget* makeWrappingCheck(QCheckBox*& check, const QString& name, const QString& text);

}  // namespace nimbrel
