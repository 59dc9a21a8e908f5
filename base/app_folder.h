#pragma once
// The application folder: where the settings file, the autosaved caption list
// and the default folders live, and what style files store bitmap names
// relative to. All folders here end in "/".
#include <string>

namespace nimbrel {

// Default subfolders of the application folder.
inline constexpr const char* kStylesFolderName = "Styles";
inline constexpr const char* kCaptionsFolderName = "Captions";
inline constexpr const char* kOutputFolderName = "Output";

// The folder of the running executable, unless NIMBREL_HOME names another one;
// when the executable's folder is not writable (an installed program),
// $XDG_CONFIG_HOME/nimbrel/ or ~/.config/nimbrel/, created when missing.
std::string appFolder();

// The rule behind appFolder with its inputs given; an empty text stands for an
// unset variable. Creates the chosen configuration or home folder if missing.
std::string chooseAppFolder(const std::string& executableFolder, const std::string& nimbrelHome,
                            const std::string& xdgConfigHome, const std::string& home);

// A path in or below `folder` as "./" plus the rest (the folder itself gives
// "./"); any other path unchanged. The folder prefix is compared exactly:
// folders that differ only in letter case are different folders here.
std::string relativeToFolder(const std::string& folder, const std::string& path);
// "./rest" becomes folder + rest. "." followed by a backslash (names written by
// the Windows version) becomes folder + rest with its backslashes turned into
// "/". Other paths are returned unchanged.
std::string absoluteFromFolder(const std::string& folder, const std::string& path);

std::string relativeToAppFolder(const std::string& path);
std::string absoluteFromAppFolder(const std::string& path);

// Everything up to and including the last "/" (empty when there is none).
std::string folderPartOf(const std::string& path);

// appFolder + name, without a trailing "/".
std::string defaultFolderPath(const std::string& appFolder, const std::string& name);
// Creates the folder and its missing parents; returns false (and reports
// nothing) when that fails.
bool createFolderQuietly(const std::string& path);

}  // namespace nimbrel
