#pragma once
#include <string>

namespace nimbrel {

enum class Spaces { Keep, ToUnderscores };
enum class LetterCase { Keep, Lower };

// The file name made from a caption: the characters a file name cannot hold
// (" * / : < > ? \ |) become "_", and so do blanks with Spaces::ToUnderscores;
// LetterCase::Lower lowers the ASCII letters only. Every other byte, UTF-8
// sequences included, is kept, so the result has the caption's length.
std::string captionToFileName(const std::string& caption, Spaces spaces, LetterCase letters);

}  // namespace nimbrel
