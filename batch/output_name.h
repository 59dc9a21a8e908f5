#pragma once
// The rule every saved file name obeys: folder + prefix + name + suffix stays
// inside the output folder (subfolders of it included), and holds no NUL byte,
// which the system would take as the end of the name.
#include <string>

namespace nimbrel {

// Empty when prefix + fileName + suffix + extension names a file inside the
// output folder; otherwise the message that refuses it, with control
// characters shown escaped.
std::string outputNameProblem(const std::string& prefix, const std::string& fileName, const std::string& suffix,
                              const std::string& extension);

}  // namespace nimbrel
