#pragma once
#include <string>

namespace nimbrel {

// The file name made from a caption: the characters a file name cannot hold
// (" * / : < > ? \ |) become "_", and so do blanks when replaceSpaces is set;
// lowerCase lowers the ASCII letters only. Every other byte, UTF-8 sequences
// included, is kept, so the result has the caption's length.
std::string captionToFileName(const std::string& caption, bool replaceSpaces, bool lowerCase);

}  // namespace nimbrel
