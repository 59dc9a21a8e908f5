#pragma once
// An INI file held as its lines, so that whatever we do not know (other
// sections, other names, comments, blank lines) is written back untouched.
// Section and value names compare without regard to ASCII letter case and
// without the blanks around them; the first matching section and name win.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nimbrel {

// The longest value a read gives back, in characters.
constexpr std::size_t kMaxIniValueLength = 2047;

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    static IniDocument fromBytes(const std::vector<std::uint8_t>& bytes);

    // The value after the first "=" of the name's line, cut to
    // kMaxIniValueLength characters; nothing when the name is not there.
    std::optional<std::string> read(const std::string& section, const std::string& name) const;
    // Replaces the name's value in its section, or adds the name at the end of
    // the section, or adds the section at the end of the file.
    void write(const std::string& section, const std::string& name, const std::string& value);

    const std::vector<std::string>& lines() const { return lines_; }
    std::string text() const;  // lines ended by LF

private:
    struct Range {
        std::size_t begin, end;  // the lines after the header, up to the next header
    };
    // Lookups go through an index of the first section of each name, made on the
    // first lookup, and of the first line of each name in a section, made on the
    // first lookup in that section: a huge file costs one pass, not one per value.
    // A line inserted later shifts the lines after it; rather than rebuild, each
    // indexed line keeps the count of insertions it already knows of (its epoch).
    struct Line {
        std::size_t line = 0;
        std::size_t epoch = 0;
    };
    struct Section {
        Line header;
        Line end;  // the next header, or the end of the file
        std::optional<std::unordered_map<std::string, Line>> names;
    };
    static std::string keyOf(std::string_view text);
    std::optional<Range> findSection(const std::string& section) const;
    std::optional<std::size_t> findName(const std::string& section, const std::string& name) const;
    std::unordered_map<std::string, Section>& index() const;
    const std::unordered_map<std::string, Line>& namesOf(Section& section) const;
    std::size_t now(const Line& line) const;
    Line indexed(std::size_t line) const { return {line, inserted_.size()}; }

    std::vector<std::string> lines_;
    mutable std::optional<std::unordered_map<std::string, Section>> index_;
    std::vector<std::size_t> inserted_;  // where lines went in, in order, since the index was made
};

}  // namespace nimbrel
