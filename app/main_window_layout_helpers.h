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

// A list given an index outside its items shows no selection.
void setListIndex(QComboBox* list, int index);

// A tab page that scrolls its content when the window is made smaller than the content.
QWidget* scrollingPage(const QString& name, QWidget* content);

}  // namespace nimbrel
