#pragma once
// Keyboard access and hints for the whole window, applied once after the
// controls are built: access keys (mnemonics) worked out from the texts, and
// tooltips from one table by control object name.
#include <QString>

class QWidget;

namespace nimbrel {

// Gives an access key, not yet in `taken`, to every label that names a
// control, every button with a text and every group of radio buttons under
// `root` (the radio buttons themselves are reached through their group and
// the arrow keys). Texts that already mark a key keep it. Taken keys are
// added to `taken` as lower-case letters.
void assignMnemonics(QWidget* root, QString& taken);

// The access key a text marks with a single "&", lower-cased; a null QChar when none.
QChar mnemonicOf(const QString& text);

// Sets the tooltip of every control under `root` that the table names. Returns
// the names of the table that no control under `root` carries.
QStringList applyToolTips(QWidget* root);

}  // namespace nimbrel
