#pragma once
// The picker's custom colours as name=value lines: ColorA to ColorP, each value
// the colour value (blue, green, red from the high to the low byte) in upper-case
// hexadecimal, at least six digits. Other lines and the order are left alone.
#include <QString>
#include <QStringList>

#include "image/color.h"

namespace nimbrel {

// "ColorA" for 0 up to "ColorP" for 15.
QString customColorName(int index);

// The value of the first line named like custom colour `index` (letter case
// disregarded); 0 when there is no such line or its value is empty. Throws
// nimbrel::Error "'$<value>' is not a valid integer value" when the value is not
// a hexadecimal number of at most 32 bits.
Color readCustomColor(const QStringList& lines, int index);

// Replaces the value of that line, or appends a new line at the end.
void writeCustomColor(QStringList& lines, int index, Color color);

// "%.6X": 0x000000FF -> "0000FF", 0xFF00000F -> "FF00000F".
QString formatCustomColor(Color color);

}  // namespace nimbrel
