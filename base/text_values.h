#pragma once
// Numbers and booleans as the text files hold them. One set of rules for style
// files, caption lists and the settings file:
// - integer: optional blanks, an optional sign, then decimal digits, or
//   hexadecimal digits after "$" or "0x"; nothing may follow. Decimal values
//   must fit the type; hexadecimal ones may use all its bits ("$FFFFFFFF" is -1
//   as a 32-bit value), as colour values are often written that way.
// - boolean: "True" or "False" in any letter case, or an integer (0 is false).
#include <cstdint>
#include <optional>
#include <string>

namespace nimbrel {

std::optional<std::int32_t> tryParseInt32(const std::string& text);
std::optional<std::int64_t> tryParseInt64(const std::string& text);
std::optional<bool> tryParseBoolean(const std::string& text);

// Throw nimbrel::Error "'<text>' is not a valid integer value" /
// "'<text>' is not a valid boolean value".
std::int32_t parseInt32(const std::string& text);
std::int64_t parseInt64(const std::string& text);
bool parseBoolean(const std::string& text);

// Floating-point numbers in the C locale whatever the user's locale: optional
// blanks, sign, digits with an optional "." and exponent, nothing after.
std::optional<double> tryParseFloat(const std::string& text);
// General form with up to 15 significant digits, no trailing zeros ("0.1", "1e+20").
std::string formatFloat(double value);

std::string booleanText(bool value);  // "True" / "False"

}  // namespace nimbrel
