#pragma once
// The font list cbFont: the installed faces, sorted without regard to case. A face
// that is not installed (named by a style or a setting) is taken in as an extra
// entry, so loading and saving a style never loses the name.
#include <QStringList>
#include <string>

class QComboBox;

namespace nimbrel {

QStringList installedFontFaces();

// Selects `face` (letter case ignored), adding it in sorted place when missing; an
// empty name leaves no selection.
void selectFontFace(QComboBox& list, const std::string& face);
// The selected face, or an empty name when none is selected.
std::string selectedFontFace(const QComboBox& list);

}  // namespace nimbrel
