#include "base/text_values.h"

#include <charconv>
#include <cmath>

#include "base/error.h"

namespace nimbrel {
namespace {

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

std::size_t skipBlanks(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i;
}

// Parses into a signed integer of `bits` bits (32 or 64).
std::optional<std::int64_t> parseInteger(const std::string& text, int bits)
{
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;

    // Decimal: magnitude up to 2^(bits-1) (the extra one only for a minus sign);
    // hexadecimal: any bit pattern of the width.
    const std::uint64_t limit = base == 16 ? (bits == 64 ? UINT64_MAX : 0xFFFFFFFFull)
                                           : (std::uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        if (magnitude > (limit - static_cast<unsigned>(d)) / static_cast<unsigned>(base)) return std::nullopt;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    std::uint64_t pattern = negative ? (~magnitude + 1) : magnitude;
    if (bits == 32)
        return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern)));
    return static_cast<std::int64_t>(pattern);
}

[[noreturn]] void invalidInteger(const std::string& text)
{
    throw Error("'" + text + "' is not a valid integer value");
}

}  // namespace

std::optional<std::int32_t> tryParseInt32(const std::string& text)
{
    const auto v = parseInteger(text, 32);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int64_t> tryParseInt64(const std::string& text)
{
    return parseInteger(text, 64);
}

std::optional<bool> tryParseBoolean(const std::string& text)
{
    if (text.size() == 4 || text.size() == 5) {
        std::string lower = text;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (lower == "true") return true;
        if (lower == "false") return false;
    }
    const auto n = parseInteger(text, 64);
    if (!n) return std::nullopt;
    return *n != 0;
}

std::int32_t parseInt32(const std::string& text)
{
    const auto v = tryParseInt32(text);
    if (!v) invalidInteger(text);
    return *v;
}

std::int64_t parseInt64(const std::string& text)
{
    const auto v = tryParseInt64(text);
    if (!v) invalidInteger(text);
    return *v;
}

bool parseBoolean(const std::string& text)
{
    const auto v = tryParseBoolean(text);
    if (!v) throw Error("'" + text + "' is not a valid boolean value");
    return *v;
}

std::optional<double> tryParseFloat(const std::string& text)
{
    std::size_t i = skipBlanks(text);
    if (i < text.size() && text[i] == '+') {  // from_chars takes only "-"
        ++i;
        if (i < text.size() && text[i] == '-') return std::nullopt;
    }
    if (i == text.size()) return std::nullopt;
    double value = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string formatFloat(double value)
{
    // Like "%.15g" (which drops trailing zeros), but whatever the user's locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, written.ptr);
}

std::string booleanText(bool value)
{
    return value ? "True" : "False";
}

}  // namespace nimbrel
