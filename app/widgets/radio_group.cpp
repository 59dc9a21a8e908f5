#include "app/widgets/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace nimbrel {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this))
{
    setObjectName(objectName);
    columns = std::max(1, columns);
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(0);
    layout->setHorizontalSpacing(12);
    layout->setContentsMargins(6, 2, 6, 4);
    for (int i = 0; i < items.size(); ++i) {
        // As with every button text, a doubled ampersand shows as one.
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
    // Spare room goes below and to the right of the items, not between them.
    const int rows = layout->rowCount();
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), rows, 0);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, columns);
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) emit itemIndexChanged(itemIndex());
    });
}

int RadioGroup::count() const
{
    return static_cast<int>(buttons_->buttons().size());
}

int RadioGroup::itemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (count() == 0) return;
    if (index >= count()) index = count() - 1;
    if (index < 0) {
        if (QAbstractButton* checked = buttons_->checkedButton()) {
            buttons_->setExclusive(false);
            checked->setChecked(false);
            buttons_->setExclusive(true);
            emit itemIndexChanged(-1);
        }
        return;
    }
    buttons_->button(index)->setChecked(true);
}

}  // namespace nimbrel
