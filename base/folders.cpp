#include "base/folders.h"

#include <filesystem>
#include <system_error>

namespace nimbrel {

namespace fs = std::filesystem;

bool pathExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::u8path(path), ec);
}

bool isFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(fs::u8path(path), ec);
}

bool makeFolderWithParents(const std::string& path)
{
    std::string folder = path;
    // "a/b/" names the same folder as "a/b"; some library versions trip over the slash.
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code ec;
    fs::create_directories(fs::u8path(folder), ec);
    return isFolder(folder);
}

}  // namespace nimbrel
