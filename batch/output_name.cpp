#include "batch/output_name.h"

#include "base/printable_text.h"

namespace nimbrel {
namespace {

// Walks the name's folders as the system will: "." stays, ".." climbs one level.
// Symbolic links inside the output folder are the user's own and are not followed.
bool climbsOutOfFolder(const std::string& relative)
{
    long long depth = 0;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t slash = relative.find('/', start);
        if (slash == std::string::npos) slash = relative.size();
        const std::string part = relative.substr(start, slash - start);
        if (part == "..") {
            if (--depth < 0) return true;
        } else if (!part.empty() && part != ".") {
            ++depth;
        }
        start = slash + 1;
    }
    return false;
}

}  // namespace

std::string outputNameProblem(const std::string& prefix, const std::string& fileName, const std::string& suffix,
                              const std::string& extension)
{
    const std::string name = prefix + fileName + suffix + extension;
    if (name.find('\0') != std::string::npos)
        return "File name \"" + printableText(name) + "\" holds a NUL character; nothing is saved under it";
    if (climbsOutOfFolder(name))
        return "File name \"" + printableText(name) + "\" would be saved outside the output folder; nothing is saved under it";
    return {};
}

}  // namespace nimbrel
