#include "app/widgets/control_makers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

void makeCompact(QLayout* layout)
{
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
}

void setListIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

namespace {

class CheckBoxText : public QLabel {
public:
    CheckBoxText(const QString& text, QCheckBox* box) : QLabel(text), box_(box)
    {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setBuddy(box);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        if (box_->isEnabled()) box_->click();
    }

private:
    QCheckBox* box_;
};

}  // namespace

QWidget* makeWrappingCheck(QCheckBox*& check, const QString& name, const QString& text)
{
    auto* holder = new QWidget;
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    check = makeCheck(name, QString());
    check->setAccessibleName(text);
    row->addWidget(check, 0, Qt::AlignTop);
    row->addWidget(new CheckBoxText(text, check), 1);
    return holder;
}

}  // namespace nimbrel
