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
    // rewritten only when it differs, so the caret stays where the user typed. A box
    // the user has just emptied stays empty (it counts as 0), so the next digits typed
    // replace the number instead of joining a 0 put there behind the user's back.
    void showValue(int value);
    // Arrow keys, arrow buttons and the wheel: the box writes its editor silently,
    // so the step is reported here.
    void stepBy(int steps) override;

signals:
    void contentChanged();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    // An empty box left by the user becomes 0, the value it already stands for.
    void fixup(QString& input) const override;

private:
    void report();

    bool reporting_ = false;
};

}  // namespace nimbrel
