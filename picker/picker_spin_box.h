#pragma once
// A spin box that lets the user type any number, also one beyond its range, and
// reports every change of its text, typed or stepped. The owner reads the typed
// value limited to the range and writes the limited value back with showValue,
// which does not come back as a change.
#include <QSpinBox>

namespace nimbrel {

class PickerSpinBox : public QSpinBox {
    Q_OBJECT
public:
    PickerSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    // The text as a number limited to the range; an empty or non-numeric text counts as 0.
    int typedValue() const;
    // Writes a value (limited to the range) without reporting a change; the text is
    // rewritten only when it differs, so the caret stays where the user typed.
    void showValue(int value);

signals:
    void contentChanged();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

}  // namespace nimbrel
