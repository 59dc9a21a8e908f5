#include "settings/ini_document.h"

#include <string_view>

#include "base/text_codec.h"

namespace nimbrel {
namespace {

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

std::string IniDocument::keyOf(std::string_view text)
{
    std::string key(trimmed(text));
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::unordered_map<std::string, IniDocument::Section>& IniDocument::index() const
{
    if (index_) return *index_;
    index_.emplace();
    Section* current = nullptr;  // the section being filled, null for a repeated one
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = headerName(lines_[i]);
        if (!name) continue;
        if (current) current->end = indexed(i);
        const auto [it, isNew] = index_->try_emplace(keyOf(*name), Section{indexed(i), {}, {}});
        current = isNew ? &it->second : nullptr;
    }
    if (current) current->end = indexed(lines_.size());
    return *index_;
}

const std::unordered_map<std::string, IniDocument::Line>& IniDocument::namesOf(Section& section) const
{
    if (section.names) return *section.names;
    section.names.emplace();
    const std::size_t end = now(section.end);
    for (std::size_t i = now(section.header) + 1; i < end; ++i) {
        const std::string_view line = lines_[i];
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || isComment(line)) continue;
        section.names->try_emplace(keyOf(line.substr(0, eq)), indexed(i));
    }
    return *section.names;
}

std::size_t IniDocument::now(const Line& line) const
{
    std::size_t at = line.line;
    for (std::size_t i = line.epoch; i < inserted_.size(); ++i)
        if (at >= inserted_[i]) ++at;
    return at;
}

std::optional<IniDocument::Range> IniDocument::findSection(const std::string& section) const
{
    const auto& sections = index();
    const auto it = sections.find(keyOf(section));
    if (it == sections.end()) return std::nullopt;
    return Range{now(it->second.header) + 1, now(it->second.end)};
}

std::optional<std::size_t> IniDocument::findName(const std::string& section, const std::string& name) const
{
    auto& sections = index();
    const auto it = sections.find(keyOf(section));
    if (it == sections.end()) return std::nullopt;
    const auto& names = namesOf(it->second);
    const auto at = names.find(keyOf(name));
    if (at == names.end()) return std::nullopt;
    return now(at->second);
}

std::optional<std::string> IniDocument::read(const std::string& section, const std::string& name) const
{
    const auto at = findName(section, name);
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
        index_->emplace(keyOf(section), Section{indexed(lines_.size() - 2), indexed(lines_.size()), {}});
        return;
    }
    if (const auto at = findName(section, name)) {
        lines_[*at] = line;
        return;
    }
    // After the section's last line that is not blank, so the blank line that
    // separates it from the next section stays where it was.
    std::size_t insertAt = range->end;
    while (insertAt > range->begin && trimmed(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    inserted_.push_back(insertAt);
    Section& owner = index_->at(keyOf(section));
    if (owner.names) owner.names->emplace(keyOf(name), indexed(insertAt));
}

std::string IniDocument::text() const
{
    return joinLines(lines_, "\n");
}

}  // namespace nimbrel
