#include "settings/ini_document.h"

#include <string_view>

#include "base/text_codec.h"

namespace nimbrel {
namespace {

// Views, not copies: every lookup walks the whole file.
std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The section name of a header line "[name]", or nothing for other lines.
std::optional<std::string_view> headerName(std::string_view line)
{
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(t.substr(1, close - 1));
}

bool isComment(std::string_view line)
{
    const std::string_view t = trimmed(line);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
}

// Cuts after `limit` code points; the text is UTF-8, so a character is never split.
std::string cutToCharacters(const std::string& text, std::size_t limit)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (characters++ == limit) return text.substr(0, i);
    }
    return text;
}

}  // namespace

IniDocument IniDocument::fromBytes(const std::vector<std::uint8_t>& bytes)
{
    return IniDocument(splitLines(decodeTextFile(bytes)));
}

std::optional<IniDocument::Range> IniDocument::findSection(const std::string& section) const
{
    const std::string_view wanted = trimmed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = headerName(lines_[i]);
        if (!name || !equalsIgnoringAsciiCase(*name, wanted)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !headerName(lines_[end])) ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findName(const Range& range, const std::string& name) const
{
    const std::string_view wanted = trimmed(name);
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const std::string_view line = lines_[i];
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || isComment(line)) continue;
        if (equalsIgnoringAsciiCase(trimmed(line.substr(0, eq)), wanted)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::read(const std::string& section, const std::string& name) const
{
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto at = findName(*range, name);
    if (!at) return std::nullopt;
    const std::string& line = lines_[*at];
    return cutToCharacters(line.substr(line.find('=') + 1), kMaxIniValueLength);
}

void IniDocument::write(const std::string& section, const std::string& name, const std::string& value)
{
    // A line break in a value would end its line and forge the lines after it.
    const std::string line = onOneLine(name) + "=" + onOneLine(value);
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + onOneLine(section) + "]");
        lines_.push_back(line);
        return;
    }
    if (const auto at = findName(*range, name)) {
        lines_[*at] = line;
        return;
    }
    // After the section's last line that is not blank, so the blank line that
    // separates it from the next section stays where it was.
    std::size_t insertAt = range->end;
    while (insertAt > range->begin && trimmed(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniDocument::text() const
{
    return joinLines(lines_, "\n");
}

}  // namespace nimbrel
