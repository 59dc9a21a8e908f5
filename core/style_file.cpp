#include "core/style_file.h"

#include <variant>

#include "core/app_folder.h"
#include "output/error.h"
#include "output/file_io.h"
#include "output/key_value_lines.h"
#include "output/text_codec.h"
#include "output/text_values.h"

namespace nimbrel {
namespace {

// The fields before the bitmap rows, in the order the writer puts them. The
// reader takes them in the same order, except fontAntiAlias: it depends on the
// layout (the older single-bitmap files have none), so it is read with the rows.
using FieldRef = std::variant<std::int32_t TButtonStyle::*, Color TButtonStyle::*, bool TButtonStyle::*,
                              std::string TButtonStyle::*>;

struct FieldSpec {
    const char* key;
    FieldRef field;
    bool readWithBitmaps = false;
};

const FieldSpec kLeadingFields[] = {
    {"width", &TButtonStyle::width},
    {"height", &TButtonStyle::height},
    {"fixedWidth", &TButtonStyle::fixedWidth},
    {"fixedHeight", &TButtonStyle::fixedHeight},
    {"colorBack", &TButtonStyle::colorBack},
    {"colorBorderLeft", &TButtonStyle::colorBorderLeft},
    {"colorBorderRight", &TButtonStyle::colorBorderRight},
    {"colorBorderTop", &TButtonStyle::colorBorderTop},
    {"colorBorderBottom", &TButtonStyle::colorBorderBottom},
    {"borderLeft", &TButtonStyle::borderLeft},
    {"borderRight", &TButtonStyle::borderRight},
    {"borderTop", &TButtonStyle::borderTop},
    {"borderBottom", &TButtonStyle::borderBottom},
    {"fontName", &TButtonStyle::fontName},
    {"fontSize", &TButtonStyle::fontSize},
    {"fontStyle", &TButtonStyle::fontStyle},
    {"fontUnderline", &TButtonStyle::fontUnderline},
    {"fontAntiAlias", &TButtonStyle::fontAntiAlias, true},
    {"fontColor", &TButtonStyle::fontColor},
    {"textAlign", &TButtonStyle::textAlign},
    {"minorX", &TButtonStyle::minorX},
    {"minorY", &TButtonStyle::minorY},
    {"importBMP", &TButtonStyle::importBMP},
};
const FieldSpec kTrailingFields[] = {{"prefix", &TButtonStyle::prefix}, {"suffix", &TButtonStyle::suffix}};

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

std::string valueText(const TButtonStyle& s, const FieldSpec& f)
{
    return std::visit(
        Overloaded{
            [&](std::int32_t TButtonStyle::*m) { return std::to_string(s.*m); },
            // Colours are written as signed numbers, so a system colour stays negative.
            [&](Color TButtonStyle::*m) { return std::to_string(static_cast<std::int32_t>(s.*m)); },
            [&](bool TButtonStyle::*m) { return booleanText(s.*m); },
            [&](std::string TButtonStyle::*m) { return onOneLine(s.*m); },
        },
        f.field);
}

void readField(TButtonStyle& s, const FieldSpec& f, const KeyValueLines& file)
{
    const std::string value = file.value(f.key);
    std::visit(Overloaded{
                   [&](std::int32_t TButtonStyle::*m) { s.*m = parseInt32(value); },
                   [&](Color TButtonStyle::*m) { s.*m = static_cast<Color>(parseInt32(value)); },
                   [&](bool TButtonStyle::*m) { s.*m = parseBoolean(value); },
                   [&](std::string TButtonStyle::*m) { s.*m = value; },
               },
               f.field);
}

std::string numbered(const char* key, int i)
{
    return key + std::to_string(i);
}

}  // namespace

std::vector<std::string> styleFileLines(const TButtonStyle& style, const std::string& appFolder)
{
    const TButtonStyle& s = style;
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& key, const std::string& value) {
        lines.push_back(key + "=" + value);
    };
    for (const FieldSpec& f : kLeadingFields) add(f.key, valueText(s, f));
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        add(numbered("BMPfilename", i), onOneLine(RelativeToFolder(appFolder, s.BMPFilename(i))));
        add(numbered("BMPEnabled", i), booleanText(s.BMPEnabled(i)));
        add(numbered("BMPAlign", i), std::to_string(s.BMPAlign(i)));
    }
    for (const FieldSpec& f : kTrailingFields) add(f.key, valueText(s, f));
    return lines;
}

void readStyleFileLines(TButtonStyle& style, const std::vector<std::string>& lines,
                        const std::string& appFolder)
{
    const KeyValueLines file(lines);
    for (const FieldSpec& f : kLeadingFields)
        if (!f.readWithBitmaps) readField(style, f, file);

    if (file.contains("BMPFilename")) {
        // The older layout: one background bitmap, no anti-aliasing.
        style.fontAntiAlias = 0;
        for (int i = 1; i <= kStyleBitmapCount; ++i) {
            style.setBMPFilename(i, i == 1 ? AbsoluteFromFolder(appFolder, file.value("BMPFilename")) : "");
            style.setBMPEnabled(i, i == 1);
            style.setBMPAlign(i, i - 1);  // 0 for the one bitmap, corners for the rest
        }
    } else {
        style.fontAntiAlias = parseInt32(file.value("fontAntiAlias"));
        for (int i = 1; i <= kStyleBitmapCount; ++i) {
            style.setBMPFilename(i, AbsoluteFromFolder(appFolder, file.value(numbered("BMPfilename", i))));
            style.setBMPEnabled(i, parseBoolean(file.value(numbered("BMPEnabled", i))));
            style.setBMPAlign(i, parseInt32(file.value(numbered("BMPAlign", i))));
        }
    }
    for (const FieldSpec& f : kTrailingFields) readField(style, f, file);
}

bool TButtonStyle::LoadFromFile(const std::string& fileName)
{
    const std::vector<std::string> lines = readTextFileLines(fileName);
    readStyleFileLines(*this, lines, ExeFolder());
    return true;
}

bool TButtonStyle::SaveToFile(const std::string& fileName) const
{
    try {
        writeFileAtomically(fileName, joinLines(styleFileLines(*this, ExeFolder()), "\r\n"));
        return true;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace nimbrel
