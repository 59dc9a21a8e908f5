#pragma once
// The command line of nimbrel-batch, parsed without touching any file.
#include <optional>
#include <string>
#include <vector>

#include "base/version.h"

namespace nimbrel::cli {

struct Options {
    std::optional<std::string> styleFile;
    std::optional<std::string> captionFile;
    std::optional<std::string> outputDir;
    std::optional<bool> saveBmp;  // set together by --format
    std::optional<bool> saveGif;
    std::optional<int> colorReduction;
    std::optional<int> dithering;
    std::optional<int> gifCompression;
    std::optional<int> reductionBits;  // the bits themselves, 3..8
    std::optional<int> jobs;           // threads that draw and encode; none: one per processor
    bool noSettings = false;
    bool check = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> captions;
};

struct ParseResult {
    Options options;
    std::string error;  // not empty: bad usage, one line without the program name
};

ParseResult parseOptions(const std::vector<std::string>& args);

std::string helpText();
inline const std::string kVersionText = std::string("nimbrel-batch ") + kVersionName;

}  // namespace nimbrel::cli
