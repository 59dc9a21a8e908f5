#include "settings/settings_values.h"

#include "settings/settings_store.h"

namespace nimbrel {

SettingsValues settingsValues(const SettingsStore& store)
{
    return {[&store](const std::string& n) { return store.boolean(n); },
            [&store](const std::string& n) { return store.integer(n); },
            [&store](const std::string& n) { return store.text(n); }};
}

}  // namespace nimbrel
