#pragma once
// The one exception type of the program. Its text is what the user sees in the
// message box, so it is worded for the user and never decorated on the way up.
#include <stdexcept>
#include <string>

namespace nimbrel {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// What the user is told when an allocation fails: an error like any other.
inline constexpr const char* kOutOfMemoryMessage = "Out of memory";

}  // namespace nimbrel
