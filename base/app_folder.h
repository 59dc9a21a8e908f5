#pragma once
// The application folder: where the settings file, the autosaved caption list
// and the default folders live, and what style files store bitmap names
// relative to. All folders here end in "/".
#include <string>

#include "base/xdg_folders.h"

namespace nimbrel {

// Default folders: Styles and Captions in the data folder; Output beside the
// executable, or Nimbrel in the pictures folder of an installed copy.
inline constexpr const char* kStylesFolderName = "Styles";
inline constexpr const char* kCaptionsFolderName = "Captions";
inline constexpr const char* kOutputFolderName = "Output";
inline constexpr const char* kInstalledOutputFolderName = "Nimbrel";

// Where the program keeps what it writes. A copy run from its build folder or
// from a folder of its own (portable) keeps everything beside the executable;
// an installed copy, recognised by the shared data the install puts beside it
// (../share/nimbrel/), follows the XDG conventions instead. NIMBREL_HOME, when
// set, holds everything.
struct AppFolders {
    std::string config;          // the settings file and the autosaved caption list
    std::string data;            // Styles and Captions; relative bitmap names start here
    std::string output;          // the default Output folder, without a trailing "/"
    std::string previousConfig;  // where an older version kept the settings; empty when the same
    std::string exampleStyles;   // the installed example styles; empty when not installed
};

struct AppFolderInputs {
    std::string executableFolder;
    std::string nimbrelHome;  // empty when unset
    XdgInputs xdg;
};

// What a portable copy, or NIMBREL_HOME, uses: everything in one folder.
AppFolders allInOneFolder(const std::string& folder);
// The rule with its inputs given. Touches no folder.
AppFolders chooseAppFolders(const AppFolderInputs& in);
// The rule for this process, from its environment and where its executable is.
// Each program's main works its folders out once and hands them to what needs
// them: the window with setUpAppFolders, which also creates the config and data
// folders it writes into; nimbrel-batch, which only reads them, with
// appFoldersOfThisProcess, which touches no folder.
AppFolders appFoldersOfThisProcess();
AppFolders setUpAppFolders();

// configFolder + name of a file the program keeps between runs: the one in the
// config folder, or an older copy in the previous place when only that exists.
std::string configFileToRead(const AppFolders& folders, const std::string& name);

// A path in or below `folder` as "./" plus the rest (the folder itself gives
// "./"); any other path unchanged. The folder prefix is compared exactly:
// folders that differ only in letter case are different folders here.
std::string relativeToFolder(const std::string& folder, const std::string& path);
// "./rest" becomes folder + rest. "." followed by a backslash (names written by
// the Windows version) becomes folder + rest with its backslashes turned into
// "/". Other paths are returned unchanged.
std::string absoluteFromFolder(const std::string& folder, const std::string& path);

// Everything up to and including the last "/" (empty when there is none).
std::string folderPartOf(const std::string& path);

// folder + name, without a trailing "/".
std::string defaultFolderPath(const std::string& folder, const std::string& name);

}  // namespace nimbrel
