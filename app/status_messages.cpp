#include "app/status_messages.h"

#include "base/app_folder.h"

namespace nimbrel {
namespace {

std::string withoutTrailingSlash(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string savedFilesMessage(const std::vector<std::string>& files)
{
    if (files.empty()) return "Nothing saved: neither BMP nor GIF is chosen";
    std::string names;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) names += i + 1 == files.size() ? " and " : ", ";
        names += files[i].substr(folderPartOf(files[i]).size());
    }
    const std::string folder = folderPartOf(files.front());
    return "Saved " + names + (folder.empty() ? "" : " in " + withoutTrailingSlash(folder));
}

std::string batchDoneMessage(int made, const std::string& folder)
{
    return "Created " + std::to_string(made) + (made == 1 ? " button" : " buttons") + " in " +
           withoutTrailingSlash(folder);
}

std::string batchStoppedMessage(int made, int total, const std::string& reason)
{
    return "Stopped after " + std::to_string(made) + " of " + std::to_string(total) + ": " + reason;
}

}  // namespace nimbrel
