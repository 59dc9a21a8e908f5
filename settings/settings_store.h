#pragma once
// The typed settings store: named booleans, integers, strings and floats with
// their defaults, kept in an INI file. The four value lists are the store's
// data: at first they hold "name=default" lines, loadAll puts the stored values
// into them, the owner reads and changes them by name, saveAll writes them all.
// Plain C++: the owner shows messages and applies window placements.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/app_folder.h"
#include "settings/ini_document.h"
#include "settings/setting_type.h"

namespace nimbrel {

// A window's normal bounds and state as the settings file keeps them; a value
// that is not stored is empty. State: 0 normal, 1 minimized, 2 maximized.
struct WindowPlacement {
    std::optional<std::int32_t> left, top, width, height, state;
};

// What restoreWindowPlacement needs from a window.
class WindowPlacementTarget {
public:
    virtual ~WindowPlacementTarget() = default;
    virtual void setWindowState(std::int32_t state) = 0;
    // Applies each of left, top, width and height that is stored, as it is.
    virtual void setNormalBounds(const WindowPlacement& placement) = 0;
};

// Applies a placement in the order that keeps the normal bounds right: a
// window to be maximized gets its normal bounds first, a window to be shown
// normal leaves the maximized state before its bounds are set.
void restoreWindowPlacement(const WindowPlacement& placement, WindowPlacementTarget& window);

class SettingsStore {
public:
    // A store without a file: loading, saving and placements do nothing.
    SettingsStore() = default;
    // The file `fileName` in the config folder of `folders`; with no folders
    // given, the file name is the path. When sectionPrefix is set, every
    // section is sectionPrefix + "\" + name.
    explicit SettingsStore(std::string fileName, AppFolders folders = {}, std::string sectionPrefix = {});

    // Adds a value and its default at the end of the list of its type; the
    // lists' order is the order of the names in the file.
    void add(SettingType type, std::string_view name, std::string_view defaultValue);
    // The "name=value" lines of one type.
    const std::vector<std::string>& lines(SettingType type) const;

    // Receives the notices about stored values that did not convert (the
    // default is kept); the window shows them in a message box.
    std::function<void(const std::string&)> onMessage;

    // The settings file's path; empty when there is no file to use.
    std::string settingsFilePath() const;
    // The file loading reads: the settings file, or the copy an older version
    // left in its previous place while the settings file does not exist yet.
    std::string settingsFileToRead() const;

    // A missing file keeps every value; an unreadable one is treated the same.
    // A stored boolean that does not convert ("yes") is reported once through
    // onMessage and keeps its default, and every other value still loads; its
    // text is written back as it was unless the value has been changed since.
    void loadAll();
    // Throws nimbrel::Error "Unable to write to <path>" when the file cannot be
    // written; the old file is then left whole.
    void saveAll();

    // Named access; a name that is not in its list throws nimbrel::Error.
    bool boolean(const std::string& name) const;
    void setBoolean(const std::string& name, bool value);
    std::int64_t integer(const std::string& name) const;
    void setInteger(const std::string& name, std::int64_t value);
    std::string text(const std::string& name) const;
    void setText(const std::string& name, const std::string& value);
    // Floats are reached by position.
    double floatValue(std::size_t index) const;
    void setFloatValue(std::size_t index, double value);

    // The placement stored in the section named after the window (the main
    // window's is "frmMain"). Nothing is stored when the file is missing.
    WindowPlacement readWindowPlacement(const std::string& windowName);
    // Writes every stored value of the placement; throws like saveAll.
    void writeWindowPlacement(const std::string& windowName, const WindowPlacement& placement);

    // The same as loadAll, saveAll and readWindowPlacement, below the file level.
    void loadAllFrom(const IniDocument& file);
    void saveAllTo(IniDocument& file) const;
    WindowPlacement readWindowPlacementFrom(const IniDocument& file, const std::string& windowName) const;

private:
    std::vector<std::string>& list(SettingType type);
    std::string sectionName(const std::string& name) const;
    std::int64_t readInteger(const IniDocument& file, const std::string& section, const std::string& name,
                             std::int64_t fallback) const;
    // The document to update: the current file, or an empty one when there is none.
    IniDocument documentForUpdate(const std::string& path) const;
    void writeDocument(const std::string& path, const IniDocument& file) const;

    // A stored text that did not convert, and the value loaded in its place.
    struct UnreadableValue {
        std::string name;
        std::string storedText;
        std::string loadedValue;
    };

    std::string fileName_;
    AppFolders folders_;
    std::vector<UnreadableValue> unreadableBooleans_;
    std::string sectionPrefix_;
    std::vector<std::string> booleans_;
    std::vector<std::string> floats_;
    std::vector<std::string> integers_;
    std::vector<std::string> strings_;
};

}  // namespace nimbrel
