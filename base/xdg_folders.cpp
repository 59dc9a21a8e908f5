#include "base/xdg_folders.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace nimbrel {
namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string asFolder(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

// Without a home folder the per-user folders still need somewhere to be.
std::string homeFolder(const XdgInputs& in)
{
    return asFolder(isAbsolute(in.home) ? in.home : "/tmp");
}

std::string absoluteOr(const std::string& value, const std::string& fallback)
{
    return isAbsolute(value) ? asFolder(value) : fallback;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

XdgInputs xdgInputsFromEnvironment()
{
    return {environment("HOME"), environment("XDG_CONFIG_HOME"), environment("XDG_DATA_HOME"),
            environment("XDG_PICTURES_DIR")};
}

std::string xdgConfigHome(const XdgInputs& in)
{
    return absoluteOr(in.configHome, homeFolder(in) + ".config/");
}

std::string xdgDataHome(const XdgInputs& in)
{
    return absoluteOr(in.dataHome, homeFolder(in) + ".local/share/");
}

std::string picturesDirFromUserDirs(const std::string& text, const std::string& home)
{
    std::istringstream lines(text);
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(lines, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        if (!value.empty() && value.back() == '\r') value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0) value = home + value.substr(5);
        // The convention's way of turning the folder off: pictures then go in the home folder.
        if (!isAbsolute(value)) return {};
        return asFolder(value);
    }
    return {};
}

std::string xdgPicturesDir(const XdgInputs& in)
{
    if (isAbsolute(in.picturesDir)) return asFolder(in.picturesDir);
    std::string home = homeFolder(in);
    home.pop_back();
    const std::string fromFile = picturesDirFromUserDirs(fileText(xdgConfigHome(in) + "user-dirs.dirs"), home);
    return fromFile.empty() ? home + "/Pictures/" : fromFile;
}

}  // namespace nimbrel
