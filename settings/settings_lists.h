#pragma once
// What the main window keeps in its settings store: every name with its
// first-start value, in the order the settings file lists them.
#include <string>
#include <vector>

namespace nimbrel {

class SettingsStore;

inline constexpr const char* kSettingsFileName = "Nimbrel.ini";
inline constexpr const char* kAutosavedCaptionListName = "Nimbrel_captions.ini";
inline constexpr const char* kMainWindowSection = "frmMain";

std::vector<std::string> mainWindowBooleans();
std::vector<std::string> mainWindowIntegers();
std::vector<std::string> mainWindowStrings();

// Sets up a store as the main window's: "Nimbrel.ini" in the application
// folder, with the lists above and no floats.
void configureMainWindowSettings(SettingsStore& store);

}  // namespace nimbrel
