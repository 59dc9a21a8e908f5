#include "cli/cli_options.h"

#include <functional>
#include <map>
#include <vector>

#include "image/gif_choices.h"

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

// "a,b,c" -> {"a", "b", "c"}; an empty item stays, for the caller to refuse.
std::vector<std::string> commaList(const std::string& text)
{
    std::vector<std::string> items(1);
    for (const char c : text) {
        if (c == ',') {
            items.emplace_back();
        } else {
            items.back() += c;
        }
    }
    return items;
}

bool setFormats(Options& o, const std::string& value)
{
    bool bmp = false, gif = false, png = false;
    for (const std::string& item : commaList(value)) {
        if (item == "bmp" || item == "both") bmp = true;
        if (item == "gif" || item == "both") gif = true;
        if (item == "png") png = true;
        if (item != "bmp" && item != "gif" && item != "png" && item != "both") return false;
    }
    o.saveBmp = bmp;
    o.saveGif = gif;
    o.savePng = png;
    return true;
}

bool setScales(Options& o, const std::string& value)
{
    bool wanted[4] = {};
    for (const std::string& item : commaList(value)) {
        if (item != "1" && item != "2" && item != "3") return false;
        wanted[item[0] - '0'] = true;
    }
    o.scales.emplace();
    for (int k = 1; k <= 3; ++k)
        if (wanted[k]) o.scales->push_back(k);
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool setTransparent(Options& o, const std::string& value)
{
    if (value == "none") {
        o.transparent = false;
        return true;
    }
    const std::string digits = !value.empty() && value[0] == '#' ? value.substr(1) : value;
    if (digits.size() != 6) return false;
    int channels[3] = {};
    for (int i = 0; i < 6; ++i) {
        const int d = hexDigit(digits[i]);
        if (d < 0) return false;
        channels[i / 2] = channels[i / 2] * 16 + d;
    }
    o.transparent = true;
    o.transparentColor = makeColor(channels[0], channels[1], channels[2]);
    return true;
}

using ValueSetter = std::function<bool(Options&, const std::string&)>;

enum class ChoiceBy { Name, NameOrNumber };

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

// A row of a GIF choice table by its name, or, for `byNumber`, by its position.
template <class Value, std::size_t Items>
ValueSetter choiceSetter(std::optional<Value> Options::*field, const GifChoice<Value> (&choices)[Items],
                         ChoiceBy by)
{
    return [=](Options& o, const std::string& v) {
        std::optional<int> row;
        for (std::size_t i = 0; i < Items; ++i)
            if (v == choices[i].name) row = static_cast<int>(i);
        if (!row && by == ChoiceBy::NameOrNumber) row = wholeNumberIn(v, 0, static_cast<int>(Items) - 1);
        if (row) o.*field = choices[*row].value;
        return row.has_value();
    };
}

// "windows20 (0), windows256 (1), ..."; with RowHelp::With each number is
// followed by the row's help words.
enum class RowHelp { Without, With };
template <class Value, std::size_t Items>
std::string choicesText(const GifChoice<Value> (&choices)[Items], RowHelp help = RowHelp::Without)
{
    std::string text;
    for (std::size_t i = 0; i < Items; ++i) {
        text += (i ? ", " : "") + std::string(choices[i].name) + " (" + std::to_string(i) + ")";
        if (help == RowHelp::With && !choices[i].help.empty()) text += " " + std::string(choices[i].help);
    }
    return text;
}

template <class Value, std::size_t Items>
std::string namesText(const GifChoice<Value> (&choices)[Items], const std::string& between)
{
    std::string text;
    for (std::size_t i = 0; i < Items; ++i) text += (i ? between : "") + std::string(choices[i].name);
    return text;
}

std::string bitsRange(const std::string& between)
{
    return std::string(kReductionBitsChoices[0].name) + between +
           std::string(std::end(kReductionBitsChoices)[-1].name);
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
        {"--format", {setFormats, "a comma list of bmp, gif and png, or both (bmp,gif)"}},
        {"--transparent", {setTransparent, "a color as RRGGBB (six hexadecimal digits) or none"}},
        {"--scale", {setScales, "a comma list of 1, 2 and 3"}},
        {"--html", {textSetter(&Options::htmlFile), "an HTML file to write"}},
        {"--reduction",
         {choiceSetter(&Options::colorReduction, kColorReductionChoices, ChoiceBy::NameOrNumber),
          choicesText(kColorReductionChoices)}},
        {"--dither",
         {choiceSetter(&Options::dithering, kDitherChoices, ChoiceBy::NameOrNumber),
          choicesText(kDitherChoices)}},
        {"--compression",
         {choiceSetter(&Options::gifCompression, kCompressionChoices, ChoiceBy::Name),
          namesText(kCompressionChoices, " or ")}},
        {"--bits",
         {numberSetter(&Options::reductionBits, kReductionBitsChoices[0].value,
                       std::end(kReductionBitsChoices)[-1].value),
          bitsRange(" to ")}},
        {"--jobs", {numberSetter(&Options::jobs, 1, 256), "1 to 256"}},
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

// One option of the help: `lead` (the option and its value) at the left and
// `text` wrapped in the column beside it, or under it when the lead is longer.
std::string helpEntry(const std::string& lead, const std::string& text)
{
    constexpr std::size_t kColumn = 22;
    constexpr std::size_t kWidth = 80;
    const std::string indent(kColumn, ' ');
    std::string help;
    std::string line = lead.empty() ? indent : "  " + lead;
    if (text.empty()) return line + "\n";
    if (line.size() < kColumn) {
        line.resize(kColumn, ' ');
    } else if (line != indent) {
        help = line + "\n";
        line = indent;
    }
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        const bool lineEmpty = line.size() == kColumn;
        if (!lineEmpty && line.size() + 1 + word.size() > kWidth) {
            help += line + "\n";
            line = indent;
        }
        line += (line.size() == kColumn ? "" : " ") + word;
        start = end + 1;
    }
    return help + line + "\n";
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
Draws a set of buttons in one style and saves them as BMP, GIF and/or PNG
files, exactly as "Create All Buttons" of the Nimbrel window does.

  --style FILE        style file to draw with; default: the style held in the settings file
  --captions FILE     caption list file; each pair is drawn and saved in order;
                      - reads the list from standard input
  --out DIR           output folder (made with its parents when missing);
                      default: the output folder of the settings
  --format LIST       file types, a comma list of bmp, gif and png (both: bmp,gif);
                      default: the settings' Save BMP / Save GIF / Save PNG
  --transparent RRGGBB|none
                      pixels of exactly this color become transparent in PNG and
                      GIF files; default: the settings' transparent color choice
  --scale LIST        sizes to write, a comma list of 1, 2 and 3: 2 and 3 add
                      name@2x and name@3x at two and three times the size;
                      default: 1 and the settings' 2x / 3x choices
  --html FILE         also write FILE, a page showing the set, whose <img> tags
                      (with size, alt text and srcset) can be copied into a site
)" +
           helpEntry("--reduction NAME", "colour reduction, by name or number: " +
                                             choicesText(kColorReductionChoices, RowHelp::With)) +
           helpEntry("--dither NAME",
                     "dithering, by name or number: " + choicesText(kDitherChoices, RowHelp::With)) +
           helpEntry("--compression " + namesText(kCompressionChoices, "|"), "") +
           helpEntry("--bits " + bitsRange(".."), "colours of the optimal palette (2^bits)") +
           helpEntry("", "the GIF options default to the settings") +
           R"(  --no-settings       ignore the settings file: use the first-start values of every setting
  --check             draw everything, write nothing, report problems
  --jobs N            buttons drawn and encoded at once (1 to 256); default: one
                      per processor. Files are written and listed in list order.
  -q, --quiet         no progress line and no warnings
  -h, --help          show this help
  --version           show the version

CAPTION arguments are drawn after the list's pairs, each saved under a file
name made from it (the settings' space and lower-case options apply).
Files are named folder/prefix + file name + suffix (+ @2x/@3x) + .bmp/.gif/.png;
every file written is listed on standard output.

Exit status: 0 all written, 1 a failure or a problem found by --check,
2 bad usage.
)";
}

}  // namespace nimbrel::cli
