#include "app/widgets/font_faces.h"

#include <QComboBox>
#include <QFontDatabase>
#include <algorithm>

namespace nimbrel {

namespace {

bool lessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

QStringList installedFontFaces()
{
    QStringList faces = QFontDatabase::families();
    faces.removeDuplicates();
    std::stable_sort(faces.begin(), faces.end(), lessIgnoringCase);
    return faces;
}

void selectFontFace(QComboBox& list, const std::string& face)
{
    const QString name = QString::fromStdString(face);
    if (name.isEmpty()) {
        list.setCurrentIndex(-1);
        return;
    }
    int index = list.findText(name, Qt::MatchFixedString);
    if (index < 0) {
        index = 0;
        while (index < list.count() && lessIgnoringCase(list.itemText(index), name)) ++index;
        list.insertItem(index, name);
    }
    list.setCurrentIndex(index);
}

std::string selectedFontFace(const QComboBox& list)
{
    return list.currentIndex() < 0 ? std::string() : list.currentText().toStdString();
}

}  // namespace nimbrel
