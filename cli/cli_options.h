#pragma once
// The command line of nimbrel-batch, parsed without touching any file.
#include <optional>
#include <string>
#include <vector>

#include "base/version.h"
#include "image/color.h"
#include "image/gif_options.h"

namespace nimbrel::cli {

struct Options {
    std::optional<std::string> styleFile;
    std::optional<std::string> captionFile;
    std::optional<std::string> outputDir;
    std::optional<bool> saveBmp;  // set together by --format
    std::optional<bool> saveGif;
    std::optional<bool> savePng;
    std::optional<bool> transparent;  // --transparent RRGGBB sets it with the colour, "none" clears it
    std::optional<Color> transparentColor;
    std::optional<std::vector<int>> scales;  // 1, 2, 3 in rising order
    std::optional<std::string> htmlFile;
    std::optional<ColorReduction> colorReduction;
    std::optional<DitherMethod> dithering;
    std::optional<GifCompression> gifCompression;
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
