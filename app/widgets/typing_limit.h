#pragma once
// A length limit on what the user types into an edit. QLineEdit::setMaxLength
// would also cut text the program puts in (a prefix from a style file), which
// must stay whole and be saved back whole.
class QLineEdit;

namespace nimbrel {

// Typing, pasting or dropping into `edit` is refused when it would make the text
// longer than `maxCharacters` and longer than it was; text set by the program is
// taken whole, and the user may still shorten or change a longer one.
void limitTyping(QLineEdit* edit, int maxCharacters);

}  // namespace nimbrel
