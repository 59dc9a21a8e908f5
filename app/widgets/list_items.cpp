#include "app/widgets/list_items.h"

#include <QListWidget>

namespace nimbrel {

std::vector<std::string> itemsOf(const QListWidget* list)
{
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    return items;
}

void appendItems(QListWidget* list, const std::vector<std::string>& items)
{
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
}

int selectedIndex(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void selectIndex(QListWidget* list, int index)
{
    if (index >= 0 && index < list->count()) {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    list->clearSelection();
    list->setCurrentRow(-1);
}

}  // namespace nimbrel
