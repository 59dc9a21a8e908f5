#include "core/button_style.h"

namespace nimbrel {

std::string unquoteFileName(const std::string& name)
{
    std::string result = name;
    if (!result.empty() && result.front() == '"') result.erase(0, 1);
    if (!result.empty() && result.back() == '"') result.pop_back();
    return result;
}

}  // namespace nimbrel
