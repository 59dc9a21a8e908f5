#include "picker/custom_color_lines.h"

#include "base/error.h"
#include "picker/color_model.h"

namespace nimbrel {

namespace {

char asciiLower(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u - 'A' + 'a');
    return u < 0x80 ? static_cast<char>(u) : '\x80';
}

bool sameNameIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size()) return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        const bool bothAscii = a[k].unicode() < 0x80 && b[k].unicode() < 0x80;
        if (bothAscii ? asciiLower(a[k]) != asciiLower(b[k]) : a[k] != b[k]) return false;
    }
    return true;
}

// Index of the first line whose text before its first "=" is the name, or -1.
qsizetype lineOf(const QStringList& lines, const QString& name)
{
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const qsizetype eq = lines[k].indexOf(QLatin1Char('='));
        if (eq >= 0 && sameNameIgnoringAsciiCase(lines[k].left(eq), name)) return k;
    }
    return -1;
}

Color parseHexValue(const QString& value)
{
    unsigned long long n = 0;
    bool valid = !value.isEmpty();
    for (const QChar c : value) {
        const int digit = hexDigitValue(c.unicode());
        if (digit < 0 || (n = n * 16 + digit) > 0xFFFFFFFFull) {
            valid = false;
            break;
        }
    }
    if (!valid) throw Error("'$" + value.toStdString() + "' is not a valid integer value");
    return static_cast<Color>(n);
}

}  // namespace

QString customColorName(int index)
{
    return QStringLiteral("Color") + QChar(u'A' + index);
}

Color readCustomColor(const QStringList& lines, int index)
{
    const qsizetype line = lineOf(lines, customColorName(index));
    if (line < 0) return 0;
    const QString value = lines[line].mid(lines[line].indexOf(QLatin1Char('=')) + 1);
    return value.isEmpty() ? 0 : parseHexValue(value);
}

void writeCustomColor(QStringList& lines, int index, Color color)
{
    const QString name = customColorName(index);
    const QString text = name + QLatin1Char('=') + formatCustomColor(color);
    const qsizetype line = lineOf(lines, name);
    if (line >= 0)
        lines[line] = text;
    else
        lines.append(text);
}

QString formatCustomColor(Color color)
{
    return QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace nimbrel
