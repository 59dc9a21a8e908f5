#include "base/text_codec.h"

#include <array>

#include "base/file_io.h"

namespace nimbrel {
namespace {

// Windows-1252 code points for 0x80..0x9F; the five unassigned bytes map to
// the C1 control of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at p (0 when it is not one):
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t utf8SequenceLength(const unsigned char* p, std::size_t left)
{
    const unsigned char b0 = p[0];
    if (b0 < 0x80) return 1;
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (left < len || p[1] < lo || p[1] > hi) return 0;
    for (std::size_t i = 2; i < len; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return len;
}

bool isValidUtf8(const unsigned char* p, std::size_t size)
{
    for (std::size_t i = 0; i < size;) {
        const std::size_t len = utf8SequenceLength(p + i, size - i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

}  // namespace

bool isValidUtf8(const std::string& text)
{
    return isValidUtf8(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

std::string decodeTextFile(const std::vector<std::uint8_t>& bytes)
{
    if (isValidUtf8(bytes.data(), bytes.size())) {
        // Every leading mark goes, so that text written back and read again
        // gives the same lines.
        std::size_t start = 0;
        while (bytes.size() - start >= 3 && bytes[start] == 0xEF && bytes[start + 1] == 0xBB &&
               bytes[start + 2] == 0xBF)
            start += 3;
        return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const std::uint8_t b : bytes) {
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(out, kCp1252High[b - 0x80]);
        else
            appendUtf8(out, b);  // Latin-1 and ASCII agree with their code points
    }
    return out;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

std::string onOneLine(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

std::vector<std::string> readTextFileLines(const std::string& fileName)
{
    return splitLines(decodeTextFile(readWholeFile(fileName)));
}

std::string asciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace nimbrel
