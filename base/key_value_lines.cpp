#include "base/key_value_lines.h"

#include "base/text_codec.h"

namespace nimbrel {

KeyValueLines::KeyValueLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        firstValueByLowerKey_.emplace(asciiLower(line.substr(0, eq)), line.substr(eq + 1));
    }
}

bool KeyValueLines::contains(const std::string& key) const
{
    return firstValueByLowerKey_.count(asciiLower(key)) != 0;
}

std::string KeyValueLines::value(const std::string& key) const
{
    const auto it = firstValueByLowerKey_.find(asciiLower(key));
    return it == firstValueByLowerKey_.end() ? std::string() : it->second;
}

}  // namespace nimbrel
