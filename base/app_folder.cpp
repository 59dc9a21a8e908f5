#include "base/app_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace nimbrel {
namespace {

std::string withTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string executableFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return folderPartOf(exe.string());
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The system's own program folders: even a user who may write there (root)
// must not get settings files next to every other program.
bool isSystemProgramFolder(const std::string& folder)
{
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/"})
        if (withTrailingSlash(folder).compare(0, std::char_traits<char>::length(prefix), prefix) == 0) return true;
    return false;
}

}  // namespace

std::string chooseAppFolder(const std::string& executableFolder, const std::string& nimbrelHome,
                            const std::string& xdgConfigHome, const std::string& home)
{
    if (!nimbrelHome.empty()) {
        const std::string folder = withTrailingSlash(nimbrelHome);
        createFolderQuietly(folder);
        return folder;
    }
    if (!isSystemProgramFolder(executableFolder) && ::access(executableFolder.c_str(), W_OK) == 0)
        return withTrailingSlash(executableFolder);

    // XDG asks to ignore a relative XDG_CONFIG_HOME.
    const std::string configHome = !xdgConfigHome.empty() && xdgConfigHome.front() == '/'
                                       ? withTrailingSlash(xdgConfigHome)
                                       : withTrailingSlash(home.empty() ? "/tmp" : home) + ".config/";
    const std::string folder = configHome + "nimbrel/";
    createFolderQuietly(folder);
    return folder;
}

std::string appFolder()
{
    return chooseAppFolder(executableFolder(), environment("NIMBREL_HOME"), environment("XDG_CONFIG_HOME"),
                           environment("HOME"));
}

std::string relativeToFolder(const std::string& folder, const std::string& path)
{
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return path;
    return "./" + path.substr(folder.size());
}

std::string absoluteFromFolder(const std::string& folder, const std::string& path)
{
    if (path.size() < 2 || path[0] != '.') return path;
    if (path[1] == '/') return folder + path.substr(2);
    if (path[1] != '\\') return path;
    std::string rest = path.substr(2);
    for (char& c : rest)
        if (c == '\\') c = '/';
    return folder + rest;
}

std::string relativeToAppFolder(const std::string& path)
{
    return relativeToFolder(appFolder(), path);
}

std::string absoluteFromAppFolder(const std::string& path)
{
    // Only a relative name needs the folder; most names are absolute or empty.
    if (path.size() < 2 || path[0] != '.' || (path[1] != '/' && path[1] != '\\')) return path;
    return absoluteFromFolder(appFolder(), path);
}

std::string folderPartOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string defaultFolderPath(const std::string& appFolder, const std::string& name)
{
    return withTrailingSlash(appFolder) + name;
}

bool createFolderQuietly(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return !ec && std::filesystem::is_directory(path, ec);
}

}  // namespace nimbrel
