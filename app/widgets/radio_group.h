#pragma once
// A titled group of radio buttons read and set by item index, like a list:
// -1 is no selection, and an index past the last item selects the last item.
// The items fill `columns` columns row by row (1: one below the other).
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace nimbrel {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items,
               int columns = 1, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup* buttons_;
};

}  // namespace nimbrel
