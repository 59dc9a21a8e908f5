#include "core/style_file.h"

#include <variant>

#include "base/app_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "base/key_value_lines.h"
#include "base/text_codec.h"
#include "base/text_values.h"

namespace nimbrel {
namespace {

// The fields before the bitmap rows, in the order the writer puts them. The
// reader takes them in the same order, except fontAntiAlias: it depends on the
// layout (the older single-bitmap files have none), so it is read with the rows.
using FieldRef = std::variant<std::int32_t ButtonStyle::*, Color ButtonStyle::*, bool ButtonStyle::*,
                              std::string ButtonStyle::*>;

struct FieldSpec {
    const char* key;
    FieldRef field;
    bool readWithBitmaps = false;
};

const FieldSpec kLeadingFields[] = {
    {"width", &ButtonStyle::width},
    {"height", &ButtonStyle::height},
    {"fixedWidth", &ButtonStyle::fixedWidth},
    {"fixedHeight", &ButtonStyle::fixedHeight},
    {"colorBack", &ButtonStyle::colorBack},
    {"colorBorderLeft", &ButtonStyle::colorBorderLeft},
    {"colorBorderRight", &ButtonStyle::colorBorderRight},
    {"colorBorderTop", &ButtonStyle::colorBorderTop},
    {"colorBorderBottom", &ButtonStyle::colorBorderBottom},
    {"borderLeft", &ButtonStyle::borderLeft},
    {"borderRight", &ButtonStyle::borderRight},
    {"borderTop", &ButtonStyle::borderTop},
    {"borderBottom", &ButtonStyle::borderBottom},
    {"fontName", &ButtonStyle::fontName},
    {"fontSize", &ButtonStyle::fontSize},
    {"fontStyle", &ButtonStyle::fontStyle},
    {"fontUnderline", &ButtonStyle::fontUnderline},
    {"fontAntiAlias", &ButtonStyle::fontAntiAlias, true},
    {"fontColor", &ButtonStyle::fontColor},
    {"textAlign", &ButtonStyle::textAlign},
    {"minorX", &ButtonStyle::minorX},
    {"minorY", &ButtonStyle::minorY},
    {"importBMP", &ButtonStyle::importBMP},
};
const FieldSpec kTrailingFields[] = {{"prefix", &ButtonStyle::prefix}, {"suffix", &ButtonStyle::suffix}};

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

std::string valueText(const ButtonStyle& s, const FieldSpec& f)
{
    return std::visit(
        Overloaded{
            [&](std::int32_t ButtonStyle::*m) { return std::to_string(s.*m); },
            // Colours are written as signed numbers, so a system colour stays negative.
            [&](Color ButtonStyle::*m) { return std::to_string(static_cast<std::int32_t>(s.*m)); },
            [&](bool ButtonStyle::*m) { return booleanText(s.*m); },
            [&](std::string ButtonStyle::*m) { return onOneLine(s.*m); },
        },
        f.field);
}

void readField(ButtonStyle& s, const FieldSpec& f, const KeyValueLines& file)
{
    std::visit(Overloaded{
                   [&](std::int32_t ButtonStyle::*m) { s.*m = file.integer(f.key); },
                   [&](Color ButtonStyle::*m) { s.*m = static_cast<Color>(file.integer(f.key)); },
                   [&](bool ButtonStyle::*m) { s.*m = file.boolean(f.key); },
                   [&](std::string ButtonStyle::*m) { s.*m = file.value(f.key); },
               },
               f.field);
}

std::string numbered(const char* key, int i)
{
    return key + std::to_string(i);
}

}  // namespace

std::vector<std::string> styleFileLines(const ButtonStyle& style, const std::string& appFolder)
{
    const ButtonStyle& s = style;
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& key, const std::string& value) {
        lines.push_back(key + "=" + value);
    };
    for (const FieldSpec& f : kLeadingFields) add(f.key, valueText(s, f));
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        add(numbered("BMPfilename", i), onOneLine(relativeToFolder(appFolder, s.bitmapFileName(i))));
        add(numbered("BMPEnabled", i), booleanText(s.bitmapEnabled(i)));
        add(numbered("BMPAlign", i), std::to_string(s.bitmapAlign(i)));
    }
    for (const FieldSpec& f : kTrailingFields) add(f.key, valueText(s, f));
    return lines;
}

void readStyleFileLines(ButtonStyle& style, const std::vector<std::string>& lines,
                        const std::string& appFolder)
{
    const KeyValueLines file(lines);
    for (const FieldSpec& f : kLeadingFields)
        if (!f.readWithBitmaps) readField(style, f, file);

    if (file.contains("BMPFilename")) {
        // The older layout: one background bitmap, no anti-aliasing.
        style.fontAntiAlias = 0;
        for (int i = 1; i <= kStyleBitmapCount; ++i) {
            style.setBitmapFileName(i, i == 1 ? absoluteFromFolder(appFolder, file.value("BMPFilename")) : "");
            style.setBitmapEnabled(i, i == 1);
            style.setBitmapAlign(i, i - 1);  // 0 for the one bitmap, corners for the rest
        }
    } else {
        style.fontAntiAlias = file.integer("fontAntiAlias");
        for (int i = 1; i <= kStyleBitmapCount; ++i) {
            style.setBitmapFileName(i, absoluteFromFolder(appFolder, file.value(numbered("BMPfilename", i))));
            style.setBitmapEnabled(i, file.boolean(numbered("BMPEnabled", i)));
            style.setBitmapAlign(i, file.integer(numbered("BMPAlign", i)));
        }
    }
    for (const FieldSpec& f : kTrailingFields) readField(style, f, file);
}

bool ButtonStyle::loadFromFile(const std::string& fileName, const std::string& dataFolder)
{
    const std::vector<std::string> lines = readTextFileLines(fileName);
    readStyleFileLines(*this, lines, dataFolder);
    return true;
}

bool ButtonStyle::saveToFile(const std::string& fileName, const std::string& dataFolder) const
{
    try {
        writeFileAtomically(fileName, joinLines(styleFileLines(*this, dataFolder), "\r\n"));
        return true;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace nimbrel
