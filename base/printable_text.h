#pragma once
#include <string>

namespace nimbrel {

// Text from files and captions on its way into a message: control characters
// (C0, DEL and the UTF-8 C1 range) become "\xHH", so an ESC sequence cannot
// drive the terminal and a newline cannot fake another message line. Every
// other byte is kept, so accented captions read as written.
std::string printableText(const std::string& text);

}  // namespace nimbrel
