#pragma once
// An error about one value of a key=value file: the user of the window sees
// the same text as for any other error, while a command-line report can name
// the key and say what was wrong in its own words.
#include <string>

#include "base/error.h"

namespace nimbrel {

class ValueError : public Error {
public:
    ValueError(std::string key, const std::string& message, std::string problem)
        : Error(message), key_(std::move(key)), problem_(std::move(problem))
    {
    }
    const std::string& key() const { return key_; }
    // What was wrong, without the key: "'abc' is not a number", "missing".
    const std::string& problem() const { return problem_; }

private:
    std::string key_;
    std::string problem_;
};

}  // namespace nimbrel
