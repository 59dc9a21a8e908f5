#pragma once
// Named access to the main window's stored values, whoever holds them: the
// settings store after loading, or a test's own map.
#include <cstdint>
#include <functional>
#include <string>

namespace nimbrel {

class SettingsStore;

struct SettingsValues {
    std::function<bool(const std::string&)> boolean;
    std::function<std::int64_t(const std::string&)> integer;
    std::function<std::string(const std::string&)> text;
};

// The store's values by name; the store must outlive the view.
SettingsValues settingsValues(const SettingsStore& store);

}  // namespace nimbrel
