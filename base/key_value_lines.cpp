#include "base/key_value_lines.h"

#include "base/text_codec.h"
#include "base/text_values.h"
#include "base/value_error.h"

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

namespace {

template <class Parse>
auto parsed(const KeyValueLines& file, const std::string& key, Parse parse, const char* expected)
{
    const std::string text = file.value(key);
    try {
        return parse(text);
    } catch (const Error& e) {
        throw ValueError(key, e.what(),
                         file.contains(key) ? "'" + text + "' is not " + expected : std::string("missing"));
    }
}

}  // namespace

std::int32_t KeyValueLines::integer(const std::string& key) const
{
    return parsed(*this, key, parseInt32, "a number");
}

bool KeyValueLines::boolean(const std::string& key) const
{
    return parsed(*this, key, parseBoolean, "True or False");
}

}  // namespace nimbrel
