#include "app/widgets/typing_limit.h"

#include <QLineEdit>
#include <QValidator>

namespace nimbrel {
namespace {

int characterCount(const QString& text)
{
    int count = 0;
    for (int i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate()) ++count;
    return count;
}

class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int maxCharacters)
        : QValidator(edit), edit_(edit), max_(maxCharacters), before_(characterCount(edit->text()))
    {
        // Runs after each change has been judged, so validate() still sees the length before it.
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = characterCount(text); });
    }

    State validate(QString& input, int&) const override
    {
        // setText leaves the edit unmodified: the program's own text is never refused.
        if (!edit_->isModified()) return Acceptable;
        const int length = characterCount(input);
        return length <= max_ || length <= before_ ? Acceptable : Invalid;
    }

private:
    QLineEdit* edit_;
    int max_;
    int before_;
};

}  // namespace

void limitTyping(QLineEdit* edit, int maxCharacters)
{
    edit->setValidator(new TypingLimit(edit, maxCharacters));
}

}  // namespace nimbrel
