#pragma once
// The lines of a flat "key=value" file (style files, caption lists), looked up
// by key: the key is everything before the first "=", the value everything
// after it, neither trimmed. Keys compare without regard to ASCII letter case,
// the first line with a key wins, and lines without "=" are ignored.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace nimbrel {

class KeyValueLines {
public:
    explicit KeyValueLines(const std::vector<std::string>& lines);

    bool contains(const std::string& key) const;
    // The value of the key, or the empty text when no line has it.
    std::string value(const std::string& key) const;
    // The value as a number or a boolean (text_values rules). A value that does
    // not convert throws nimbrel::ValueError naming the key, with the same text
    // as parseInt32 / parseBoolean.
    std::int32_t integer(const std::string& key) const;
    bool boolean(const std::string& key) const;

private:
    std::unordered_map<std::string, std::string> firstValueByLowerKey_;
};

}  // namespace nimbrel
