#include "base/app_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/folders.h"

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

AppFolders allInOneFolder(const std::string& folder)
{
    const std::string all = withTrailingSlash(folder);
    return {all, all, all + kOutputFolderName, {}, {}};
}

AppFolders chooseAppFolders(const AppFolderInputs& in)
{
    if (!in.nimbrelHome.empty()) return allInOneFolder(in.nimbrelHome);

    const std::string exe = withTrailingSlash(in.executableFolder);
    const std::string shared = exe + "../share/nimbrel/";
    const bool installed = isFolder(shared);
    // A copy that is not installed but cannot keep its files beside itself
    // (a read-only folder, a system folder) uses the per-user folders as well.
    if (!installed && !isSystemProgramFolder(exe) && ::access(exe.c_str(), W_OK) == 0)
        return allInOneFolder(exe);

    AppFolders folders;
    folders.config = xdgConfigHome(in.xdg) + "nimbrel/";
    folders.data = xdgDataHome(in.xdg) + "nimbrel/";
    folders.output = xdgPicturesDir(in.xdg) + kInstalledOutputFolderName;
    // Copies installed under a writable prefix used to keep their settings beside the executable.
    if (installed) {
        folders.previousConfig = exe;
        folders.exampleStyles = shared + "styles/";
    }
    return folders;
}

AppFolders appFoldersOfThisProcess()
{
    return chooseAppFolders({executableFolder(), environment("NIMBREL_HOME"), xdgInputsFromEnvironment()});
}

AppFolders setUpAppFolders()
{
    const AppFolders folders = appFoldersOfThisProcess();
    makeFolderWithParents(folders.config);
    makeFolderWithParents(folders.data);
    return folders;
}

std::string configFileToRead(const AppFolders& folders, const std::string& name)
{
    const std::string current = folders.config + name;
    if (folders.previousConfig.empty() || pathExists(current)) return current;
    const std::string previous = folders.previousConfig + name;
    return pathExists(previous) ? previous : current;
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

std::string folderPartOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string defaultFolderPath(const std::string& appFolder, const std::string& name)
{
    return withTrailingSlash(appFolder) + name;
}

}  // namespace nimbrel
