#include "picker/picker_spin_box.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace nimbrel {

namespace {

// Enough digits for any sensible entry without overflowing an int.
constexpr int kMaxDigits = 9;

}  // namespace

PickerSpinBox::PickerSpinBox(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &PickerSpinBox::report);
}

void PickerSpinBox::report()
{
    reporting_ = true;
    emit contentChanged();
    reporting_ = false;
}

void PickerSpinBox::stepBy(int steps)
{
    const QString before = lineEdit()->text();
    QSpinBox::stepBy(steps);
    if (lineEdit()->text() != before) report();
}

int PickerSpinBox::typedValue() const
{
    bool ok = false;
    const QString t = lineEdit()->text().trimmed();
    const long long n = t.size() <= kMaxDigits ? t.toLongLong(&ok) : 0;
    if (!ok) return std::clamp(0, minimum(), maximum());
    return static_cast<int>(std::clamp<long long>(n, minimum(), maximum()));
}

void PickerSpinBox::showValue(int value)
{
    if (reporting_ && lineEdit()->text().isEmpty()) return;
    value = std::clamp(value, minimum(), maximum());
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    setValue(value);
    const QString wanted = QString::number(value);
    if (lineEdit()->text() != wanted) lineEdit()->setText(wanted);
}

QValidator::State PickerSpinBox::validate(QString& input, int&) const
{
    if (input.isEmpty()) return QValidator::Intermediate;
    if (input.size() > kMaxDigits) return QValidator::Invalid;
    for (const QChar c : input)
        if (!c.isDigit() || c.unicode() > '9') return QValidator::Invalid;
    return QValidator::Acceptable;
}

void PickerSpinBox::fixup(QString& input) const
{
    if (input.trimmed().isEmpty()) input = QString::number(std::clamp(0, minimum(), maximum()));
}

int PickerSpinBox::valueFromText(const QString& text) const
{
    bool ok = false;
    const long long n = text.toLongLong(&ok);
    return ok ? static_cast<int>(std::clamp<long long>(n, minimum(), maximum())) : minimum();
}

}  // namespace nimbrel
