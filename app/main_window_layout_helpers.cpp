#include "app/main_window_layout_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <climits>

namespace nimbrel {

QSpinBox* makeSpin(const QString& name, const QString& accessibleName, int minimum, int maximum)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(minimum, maximum);
    // An unlimited box would size itself for eleven digits.
    spin->setMaximumWidth(72);
    spin->setMinimumWidth(56);
    return spin;
}

QCheckBox* makeCheck(const QString& name, const QString& text)
{
    auto* check = new QCheckBox(text);
    check->setObjectName(name);
    return check;
}

QComboBox* makeList(const QString& name, const QString& accessibleName, const QStringList& items)
{
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->addItems(items);
    return list;
}

QLineEdit* makeEdit(const QString& name, const QString& accessibleName)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QPushButton* makeButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox* makeGroup(const QString& name, const QString& title)
{
    auto* group = new QGroupBox(title);
    group->setObjectName(name);
    return group;
}

void setListIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

QWidget* scrollingPage(const QString& name, QWidget* content)
{
    auto* page = new QScrollArea;
    page->setObjectName(name);
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setWidget(content);
    return page;
}

}  // namespace nimbrel
