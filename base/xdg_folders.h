#pragma once
// The per-user folders of the XDG base directory and user-dirs conventions,
// with their inputs given so the rules can be tested without touching the
// user's environment. Every folder returned ends in "/".
#include <string>

namespace nimbrel {

struct XdgInputs {
    std::string home;           // $HOME; empty when unset
    std::string configHome;     // $XDG_CONFIG_HOME
    std::string dataHome;       // $XDG_DATA_HOME
    std::string picturesDir;    // $XDG_PICTURES_DIR, rarely exported but honoured first
};

XdgInputs xdgInputsFromEnvironment();

// $XDG_CONFIG_HOME, or ~/.config/ (a relative value is ignored, as the
// convention asks).
std::string xdgConfigHome(const XdgInputs& in);
// $XDG_DATA_HOME, or ~/.local/share/.
std::string xdgDataHome(const XdgInputs& in);
// The pictures folder: $XDG_PICTURES_DIR, else the XDG_PICTURES_DIR line of
// user-dirs.dirs in the config home (with "$HOME" expanded), else ~/Pictures/.
std::string xdgPicturesDir(const XdgInputs& in);

// The value of XDG_PICTURES_DIR in the text of a user-dirs.dirs file, "$HOME"
// expanded; empty when the file does not set it to an absolute folder.
std::string picturesDirFromUserDirs(const std::string& fileText, const std::string& home);

}  // namespace nimbrel
