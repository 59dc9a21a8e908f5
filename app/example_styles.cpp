#include "app/example_styles.h"

#include <filesystem>
#include <system_error>

#include "base/folders.h"

namespace nimbrel {

namespace fs = std::filesystem;

std::string exampleStylesFolder(const AppFolders& folders)
{
    if (!folders.exampleStyles.empty()) return folders.exampleStyles;
#ifdef NIMBREL_SOURCE_EXAMPLE_STYLES
    if (isFolder(NIMBREL_SOURCE_EXAMPLE_STYLES)) return NIMBREL_SOURCE_EXAMPLE_STYLES;
#endif
    return {};
}

int copyExampleStyles(const std::string& from, const std::string& to)
{
    if (!isFolder(from)) return 0;
    std::error_code ec;
    // Styles the user already has, or has deliberately cleared away, stay as they are.
    if (!fs::is_empty(fs::u8path(to), ec) || ec) return 0;
    int copied = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::u8path(from), ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (fs::copy_file(entry.path(), fs::u8path(to) / entry.path().filename(), fs::copy_options::skip_existing,
                          ec))
            ++copied;
    }
    return copied;
}

}  // namespace nimbrel
