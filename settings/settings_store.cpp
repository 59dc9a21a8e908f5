#include "settings/settings_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "base/app_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "base/text_codec.h"
#include "base/text_values.h"

namespace nimbrel {
namespace {

// A placement value that is not stored reads as these.
constexpr std::int64_t kBoundsNotStored = 0x1FFFFFF;
constexpr std::int64_t kStateNotStored = -1;

std::string nameOf(const std::string& line)
{
    return line.substr(0, line.find('='));
}

std::string valueOf(const std::string& line)
{
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

void setValueOf(std::string& line, const std::string& value)
{
    line = nameOf(line) + "=" + value;
}

template <typename List>
auto* findLine(List& list, const std::string& name)
{
    for (auto& line : list)
        if (equalsIgnoringAsciiCase(nameOf(line), name)) return &line;
    return static_cast<decltype(&list.front())>(nullptr);
}

template <typename List>
auto& namedLine(List& list, const char* kind, const std::string& name)
{
    auto* line = findLine(list, name);
    if (!line) throw Error(std::string(kind) + " Field \"" + name + "\" not found");
    return *line;
}

const std::string& lineAt(const std::vector<std::string>& list, std::size_t index)
{
    if (index >= list.size()) throw Error("List index out of bounds (" + std::to_string(index) + ")");
    return list[index];
}

std::int64_t integerAt(const std::vector<std::string>& list, std::size_t index)
{
    const std::string value = valueOf(lineAt(list, index));
    const auto n = tryParseInt64(value);
    if (!n)
        throw Error("Error in conversion of integer[" + std::to_string(index) + "], Value = \"" + value +
                    "\"");
    return *n;
}

double floatAt(const std::vector<std::string>& list, std::size_t index)
{
    const std::string value = valueOf(lineAt(list, index));
    const auto x = tryParseFloat(value);
    if (!x)
        throw Error("Error in conversion of float[" + std::to_string(index) + "], Value = \"" + value + "\"");
    return *x;
}

// Integers are kept as 32-bit values: the low 32 bits, taken as signed.
std::int32_t low32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// No settings file yet (or none we can read) reads as an empty one, so every
// value keeps its default. One that is there but refused unread (not a regular
// file, or beyond the size limit) is reported: the user should know why.
IniDocument readDocument(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readWholeFile(path);
    } catch (const Error&) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 &&
            (!S_ISREG(st.st_mode) || static_cast<unsigned long long>(st.st_size) > kMaxTextFileBytes))
            throw;
        return {};
    }
    return IniDocument::fromBytes(bytes);
}

// A boolean value reads as false when it is "0" or empty.
bool isSet(const std::string& value)
{
    return !(value.empty() || value == "0");
}

}  // namespace

void restoreWindowPlacement(const WindowPlacement& placement, WindowPlacementTarget& window)
{
    if (placement.state && *placement.state == 0) {
        window.setWindowState(0);
        window.setNormalBounds(placement);
    } else {
        window.setNormalBounds(placement);
        if (placement.state) window.setWindowState(*placement.state);
    }
}

SettingsStore::SettingsStore(std::string fileName, AppFolders folders, std::string sectionPrefix)
    : fileName_(std::move(fileName)), folders_(std::move(folders)), sectionPrefix_(std::move(sectionPrefix))
{
}

const std::vector<std::string>& SettingsStore::lines(SettingType type) const
{
    switch (type) {
        case SettingType::Boolean:
            return booleans_;
        case SettingType::Float:
            return floats_;
        case SettingType::Integer:
            return integers_;
        case SettingType::String:
            break;
    }
    return strings_;
}

std::vector<std::string>& SettingsStore::list(SettingType type)
{
    return const_cast<std::vector<std::string>&>(std::as_const(*this).lines(type));
}

void SettingsStore::add(SettingType type, std::string_view name, std::string_view defaultValue)
{
    list(type).push_back(std::string(name) + "=" + std::string(defaultValue));
}

std::string SettingsStore::settingsFilePath() const
{
    if (fileName_.empty()) return {};
    return folders_.config + fileName_;
}

std::string SettingsStore::settingsFileToRead() const
{
    if (fileName_.empty()) return {};
    return configFileToRead(folders_, fileName_);
}

std::string SettingsStore::sectionName(const std::string& name) const
{
    return sectionPrefix_.empty() ? name : sectionPrefix_ + "\\" + name;
}

std::int64_t SettingsStore::readInteger(const IniDocument& file, const std::string& section,
                                        const std::string& name, std::int64_t fallback) const
{
    const std::string stored = file.read(sectionName(section), name).value_or("");
    if (stored.empty()) return fallback;
    if (const auto n = tryParseInt64(stored)) return *n;
    if (onMessage)
        onMessage("Error reading Integer value \"" + section + "\\" + name + "\". Value = \"" + stored +
                  "\". Value set to " + std::to_string(fallback));
    return fallback;
}

void SettingsStore::loadAllFrom(const IniDocument& file)
{
    unreadableBooleans_.clear();
    for (std::string& line : booleans_) {
        const std::string stored = file.read(sectionName("Booleans"), nameOf(line)).value_or("");
        bool value = isSet(valueOf(line));
        try {
            if (!stored.empty()) value = parseBoolean(stored);
        } catch (const Error& e) {
            // One value the user may have typed by hand costs only itself.
            if (onMessage) onMessage(e.what());
            unreadableBooleans_.push_back({nameOf(line), stored, value ? "1" : "0"});
        }
        setValueOf(line, value ? "1" : "0");
    }
    for (std::size_t i = 0; i < floats_.size(); ++i) {
        const double fallback = floatAt(floats_, i);
        const std::string name = nameOf(floats_[i]);
        const std::string stored = file.read(sectionName("Floats"), name).value_or("");
        double value = fallback;
        if (!stored.empty()) {
            if (const auto x = tryParseFloat(stored))
                value = *x;
            else if (onMessage)
                onMessage("Error reading Float value \"Floats\\" + name + "\". Value = \"" + stored +
                          "\". Value set to " + formatFloat(fallback));
        }
        setValueOf(floats_[i], formatFloat(value));
    }
    for (std::size_t i = 0; i < integers_.size(); ++i) {
        const std::int64_t value =
            readInteger(file, "Integers", nameOf(integers_[i]), integerAt(integers_, i));
        setValueOf(integers_[i], std::to_string(low32(value)));
    }
    for (std::string& line : strings_) {
        // An empty stored text counts as not stored.
        const std::string stored = file.read(sectionName("Strings"), nameOf(line)).value_or("");
        if (!stored.empty()) setValueOf(line, stored);
    }
}

void SettingsStore::saveAllTo(IniDocument& file) const
{
    for (const std::string& line : booleans_) {
        const std::string value = isSet(valueOf(line)) ? "1" : "0";
        const auto unreadable = std::find_if(unreadableBooleans_.begin(), unreadableBooleans_.end(),
                                             [&](const UnreadableValue& u) { return u.name == nameOf(line); });
        const bool unchanged = unreadable != unreadableBooleans_.end() && unreadable->loadedValue == value;
        file.write(sectionName("Booleans"), nameOf(line), unchanged ? unreadable->storedText : value);
    }
    for (std::size_t i = 0; i < floats_.size(); ++i)
        file.write(sectionName("Floats"), nameOf(floats_[i]), formatFloat(floatAt(floats_, i)));
    for (std::size_t i = 0; i < integers_.size(); ++i)
        file.write(sectionName("Integers"), nameOf(integers_[i]), std::to_string(integerAt(integers_, i)));
    for (const std::string& line : strings_) file.write(sectionName("Strings"), nameOf(line), valueOf(line));
}

void SettingsStore::loadAll()
{
    const std::string path = settingsFileToRead();
    if (path.empty()) return;
    loadAllFrom(readDocument(path));
}

IniDocument SettingsStore::documentForUpdate(const std::string& path) const
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    try {
        return IniDocument::fromBytes(readWholeFile(path));
    } catch (const Error&) {
        // Rewriting a file we cannot read would lose what it holds.
        throw Error("Unable to write to " + path);
    }
}

void SettingsStore::writeDocument(const std::string& path, const IniDocument& file) const
{
    try {
        writeFileAtomically(path, file.text());
    } catch (const Error&) {
        throw Error("Unable to write to " + path);
    }
}

void SettingsStore::saveAll()
{
    const std::string path = settingsFilePath();
    if (path.empty()) return;
    IniDocument file = documentForUpdate(settingsFileToRead());
    // A value that does not convert ends the save, but what was done before it is kept.
    try {
        saveAllTo(file);
    } catch (const Error&) {
        writeDocument(path, file);
        throw;
    }
    writeDocument(path, file);
}

bool SettingsStore::boolean(const std::string& name) const
{
    return valueOf(namedLine(booleans_, "Boolean", name)) != "0";
}

void SettingsStore::setBoolean(const std::string& name, bool value)
{
    setValueOf(namedLine(booleans_, "Boolean", name), value ? "1" : "0");
}

std::int64_t SettingsStore::integer(const std::string& name) const
{
    const std::string value = valueOf(namedLine(integers_, "Integer", name));
    const auto n = tryParseInt64(value);
    if (!n) throw Error("Error in conversion of integer \"" + name + "\", Value = \"" + value + "\"");
    return *n;
}

void SettingsStore::setInteger(const std::string& name, std::int64_t value)
{
    setValueOf(namedLine(integers_, "Integer", name), std::to_string(value));
}

std::string SettingsStore::text(const std::string& name) const
{
    return valueOf(namedLine(strings_, "String", name));
}

void SettingsStore::setText(const std::string& name, const std::string& value)
{
    setValueOf(namedLine(strings_, "String", name), value);
}

double SettingsStore::floatValue(std::size_t index) const
{
    return floatAt(floats_, index);
}

void SettingsStore::setFloatValue(std::size_t index, double value)
{
    lineAt(floats_, index);  // checks the index
    setValueOf(floats_[index], formatFloat(value));
}

WindowPlacement SettingsStore::readWindowPlacement(const std::string& windowName)
{
    const std::string path = settingsFileToRead();
    if (path.empty()) return {};
    return readWindowPlacementFrom(readDocument(path), windowName);
}

WindowPlacement SettingsStore::readWindowPlacementFrom(const IniDocument& file,
                                                       const std::string& windowName) const
{
    WindowPlacement placement;
    auto stored = [&](const char* name, std::int64_t notStored) -> std::optional<std::int32_t> {
        const std::int64_t value = readInteger(file, windowName, name, notStored);
        if (value == notStored) return std::nullopt;
        return low32(value);
    };
    placement.left = stored("Left", kBoundsNotStored);
    placement.top = stored("Top", kBoundsNotStored);
    placement.width = stored("Width", kBoundsNotStored);
    placement.height = stored("Height", kBoundsNotStored);
    placement.state = stored("WinState", kStateNotStored);
    return placement;
}

void SettingsStore::writeWindowPlacement(const std::string& windowName, const WindowPlacement& placement)
{
    const std::string path = settingsFilePath();
    if (path.empty()) return;
    IniDocument file = documentForUpdate(settingsFileToRead());
    const std::pair<const char*, const std::optional<std::int32_t>&> values[] = {
        {"Left", placement.left},     {"Top", placement.top},        {"Width", placement.width},
        {"Height", placement.height}, {"WinState", placement.state},
    };
    for (const auto& [name, value] : values)
        if (value) file.write(sectionName(windowName), name, std::to_string(*value));
    writeDocument(path, file);
}

}  // namespace nimbrel
