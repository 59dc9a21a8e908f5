#pragma once
// The lines of a flat "key=value" file (style files, caption lists), looked up
// by key: the key is everything before the first "=", the value everything
// after it, neither trimmed. Keys compare without regard to ASCII letter case,
// the first line with a key wins, and lines without "=" are ignored.
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

private:
    std::unordered_map<std::string, std::string> firstValueByLowerKey_;
};

}  // namespace nimbrel
