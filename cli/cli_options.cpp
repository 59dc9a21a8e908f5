#include "cli/cli_options.h"

#include <functional>
#include <map>
#include <vector>

namespace nimbrel::cli {
namespace {

std::optional<int> wholeNumberIn(const std::string& text, int low, int high)
{
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

using ValueSetter = std::function<bool(Options&, const std::string&)>;

ValueSetter numberSetter(std::optional<int> Options::*field, int low, int high)
{
    return [=](Options& o, const std::string& v) {
        o.*field = wholeNumberIn(v, low, high);
        return (o.*field).has_value();
    };
}

ValueSetter textSetter(std::optional<std::string> Options::*field)
{
    return [=](Options& o, const std::string& v) {
        o.*field = v;
        return !v.empty();
    };
}

// A GIF option's choices by name, in the order of their numbers.
const std::vector<const char*> kReductionNames = {"windows20", "windows256", "bw",      "grey",
                                                  "web216",    "optimal",    "optimal-system"};
const std::vector<const char*> kDitherNames = {"none",   "floyd-steinberg", "stucki", "sierra",
                                               "jjn",    "stevenson-arce",  "burkes"};

// A name of the list or its number.
ValueSetter choiceSetter(std::optional<int> Options::*field, const std::vector<const char*>& names)
{
    return [=](Options& o, const std::string& v) {
        std::optional<int> chosen;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (v == names[i]) chosen = static_cast<int>(i);
        if (!chosen) chosen = wholeNumberIn(v, 0, static_cast<int>(names.size()) - 1);
        o.*field = chosen;
        return chosen.has_value();
    };
}

std::string choicesText(const std::vector<const char*>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i ? ", " : "") + std::string(names[i]) + " (" + std::to_string(i) + ")";
    return text;
}

struct ValueOption {
    ValueSetter set;
    std::string expected;  // what the hint says a good value looks like
};

const std::map<std::string, ValueOption>& valueOptions()
{
    static const std::map<std::string, ValueOption> options = {
        {"--style", {textSetter(&Options::styleFile), "a style file"}},
        {"--captions", {textSetter(&Options::captionFile), "a caption list file, or - for standard input"}},
        {"--out", {textSetter(&Options::outputDir), "a folder"}},
        {"--format",
         {[](Options& o, const std::string& v) {
              if (v != "bmp" && v != "gif" && v != "both") return false;
              o.saveBmp = v != "gif";
              o.saveGif = v != "bmp";
              return true;
          },
          "bmp, gif or both"}},
        {"--reduction", {choiceSetter(&Options::colorReduction, kReductionNames), choicesText(kReductionNames)}},
        {"--dither", {choiceSetter(&Options::dithering, kDitherNames), choicesText(kDitherNames)}},
        {"--compression",
         {[](Options& o, const std::string& v) {
              if (v != "lzw" && v != "rle") return false;
              o.gifCompression = v == "lzw" ? 0 : 1;
              return true;
          },
          "lzw or rle"}},
        {"--bits", {numberSetter(&Options::reductionBits, 3, 8), "3 to 8"}},
    };
    return options;
}

const std::map<std::string, bool Options::*>& flagOptions()
{
    static const std::map<std::string, bool Options::*> flags = {
        {"--no-settings", &Options::noSettings},
        {"--check", &Options::check},
        {"-q", &Options::quiet},
        {"--quiet", &Options::quiet},
        {"-h", &Options::help},
        {"--help", &Options::help},
        {"--version", &Options::version},
    };
    return flags;
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    Options& o = result.options;
    bool onlyCaptions = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyCaptions || arg == "-" || arg.empty() || arg[0] != '-') {
            o.captions.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyCaptions = true;
            continue;
        }
        if (const auto flag = flagOptions().find(arg); flag != flagOptions().end()) {
            o.*(flag->second) = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = valueOptions().find(name);
        if (option == valueOptions().end()) {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = "option '" + name + "' needs a value: " + option->second.expected;
            return result;
        }
        if (!option->second.set(o, value)) {
            result.error = "bad value '" + value + "' for " + name + ": expected " + option->second.expected;
            return result;
        }
    }
    if (!o.help && !o.version && !o.captionFile && o.captions.empty())
        result.error = "nothing to draw: give --captions FILE or CAPTION arguments";
    return result;
}

std::string helpText()
{
    return R"(Usage: nimbrel-batch [options] [CAPTION ...]
Draws a set of buttons in one style and saves them as BMP and/or GIF files,
exactly as "Create All Buttons" of the Nimbrel window does.

  --style FILE        style file to draw with; default: the style held in the settings file
  --captions FILE     caption list file; each pair is drawn and saved in order;
                      - reads the list from standard input
  --out DIR           output folder (made with its parents when missing);
                      default: the output folder of the settings
  --format bmp|gif|both          default: the settings' Save BMP / Save GIF
  --reduction NAME    colour reduction, by name or number: windows20 (0) Windows
                      20 colours, windows256 (1) Windows 256 colours, bw (2)
                      black and white, grey (3) greyscale, web216 (4) web 216
                      colours, optimal (5), optimal-system (6) optimal with
                      the 20 system colours
  --dither NAME       dithering, by name or number: none (0) nearest colour,
                      floyd-steinberg (1), stucki (2), sierra (3),
                      jjn (4) Jarvis-Judice-Ninke, stevenson-arce (5), burkes (6)
  --compression lzw|rle
  --bits 3..8         colours of the optimal palette (2^bits)
                      the GIF options default to the settings
  --no-settings       ignore the settings file: use the first-start values of every setting
  --check             draw everything, write nothing, report problems
  -q, --quiet         no progress line and no warnings
  -h, --help          show this help
  --version           show the version

CAPTION arguments are drawn after the list's pairs, each saved under a file
name made from it (the settings' space and lower-case options apply).
Files are named folder/prefix + file name + suffix + .bmp/.gif; every file
written is listed on standard output.

Exit status: 0 all written, 1 a failure or a problem found by --check,
2 bad usage.
)";
}

}  // namespace nimbrel::cli
