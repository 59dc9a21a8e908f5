#include "batch/caption_to_file_name.h"

#include <cstring>

namespace nimbrel {

std::string captionToFileName(const std::string& caption, Spaces spaces, LetterCase letters)
{
    const bool replaceSpaces = spaces == Spaces::ToUnderscores;
    const bool lowerCase = letters == LetterCase::Lower;
    std::string name = caption;
    for (char& c : name) {
        if (lowerCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        const bool forbidden = c != '\0' && std::strchr("\"*/:<>?\\|", c) != nullptr;
        if (forbidden || (replaceSpaces && c == ' ')) c = '_';
    }
    return name;
}

}  // namespace nimbrel
