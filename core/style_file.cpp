#include "core/style_file.h"

#include <variant>

#include "base/app_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "base/key_value_lines.h"
#include "base/overloaded.h"
#include "base/text_codec.h"
#include "base/text_values.h"
#include "core/style_fields.h"

namespace nimbrel {
namespace {

bool isAntiAliasLevel(const StyleField& f)
{
    return &f == &styleField(&ButtonStyle::antiAliasLevel);
}

// Files written before a field was added lack its key: every field after
// suffix, the last of the first fields, may be missing and then keeps its value.
bool mayBeMissing(const StyleField& f)
{
    return &f > &styleField(&ButtonStyle::suffix);
}

// The rows as style files hold them: one block of lines per row, except that
// numbered rows next to each other make one block, copy by copy
// (BMPfilename1, BMPEnabled1, BMPAlign1, BMPfilename2, ...).
template <class Block>
void forEachBlock(Block block)
{
    const auto fields = styleFields();
    for (std::size_t i = 0; i < fields.size();) {
        std::size_t end = i + 1;
        if (isNumbered(fields[i]))
            while (end < fields.size() && isNumbered(fields[end])) ++end;
        block(fields.subspan(i, end - i));
        i = end;
    }
}

// Calls line(field, copy, value) for the block's lines in file order.
template <class Style, class Line>
void forEachLine(std::span<const StyleField> block, Style& style, Line line)
{
    for (int copy = firstCopy(block.front()); copy <= lastCopy(block.front()); ++copy)
        for (const StyleField& f : block)
            forEachCopy(f, style, [&](int c, auto& value) {
                if (c == copy) line(f, copy, value);
            });
}

}  // namespace

std::vector<std::string> styleFileLines(const ButtonStyle& style, const std::string& appFolder)
{
    std::vector<std::string> lines;
    auto add = [&lines](const StyleField& f, int copy, const std::string& value) {
        lines.push_back(copyName(f.fileKey, copy) + "=" + value);
    };
    forEachBlock([&](std::span<const StyleField> block) {
        forEachLine(block, style,
                    Overloaded{
                        [&](const StyleField& f, int copy, const std::int32_t& v) {
                            add(f, copy, std::to_string(v));
                        },
                        // Colours are written as signed numbers, so a system colour stays negative.
                        [&](const StyleField& f, int copy, const Color& v) {
                            add(f, copy, std::to_string(static_cast<std::int32_t>(v)));
                        },
                        [&](const StyleField& f, int copy, const bool& v) { add(f, copy, booleanText(v)); },
                        [&](const StyleField& f, int copy, const std::string& v) {
                            // Bitmap names are kept relative to the application folder.
                            add(f, copy, onOneLine(copy ? relativeToFolder(appFolder, v) : v));
                        },
                    });
    });
    return lines;
}

void readStyleFileLines(ButtonStyle& style, const std::vector<std::string>& lines,
                        const std::string& appFolder)
{
    const KeyValueLines file(lines);
    auto read = Overloaded{
        [&](const StyleField& f, int copy, std::int32_t& v) { v = file.integer(copyName(f.fileKey, copy)); },
        [&](const StyleField& f, int copy, Color& v) {
            v = static_cast<Color>(file.integer(copyName(f.fileKey, copy)));
        },
        [&](const StyleField& f, int copy, bool& v) { v = file.boolean(copyName(f.fileKey, copy)); },
        [&](const StyleField& f, int copy, std::string& v) {
            const std::string text = file.value(copyName(f.fileKey, copy));
            v = copy ? absoluteFromFolder(appFolder, text) : text;
        },
    };
    forEachBlock([&](std::span<const StyleField> block) {
        // fontAntiAlias depends on the layout (the older single-bitmap files
        // have none), so it is read with the bitmaps.
        if (isAntiAliasLevel(block.front())) return;
        if (!isNumbered(block.front())) {
            const StyleField& f = block.front();
            if (mayBeMissing(f) && !file.contains(std::string(f.fileKey))) return;
            forEachLine(block, style, [&](const StyleField& g, int copy, auto& v) { read(g, copy, v); });
            return;
        }
        if (file.contains("BMPFilename")) {
            // The older layout: one background bitmap, no anti-aliasing.
            style.antiAliasLevel = 0;
            for (int i = 1; i <= kStyleBitmapCount; ++i) {
                style.setBitmapFileName(
                    i, i == 1 ? absoluteFromFolder(appFolder, file.value("BMPFilename")) : "");
                style.setBitmapEnabled(i, i == 1);
                style.setBitmapAlign(i, i - 1);  // 0 for the one bitmap, corners for the rest
            }
            return;
        }
        style.antiAliasLevel = file.integer(std::string(styleField(&ButtonStyle::antiAliasLevel).fileKey));
        forEachLine(block, style, [&](const StyleField& g, int copy, auto& v) { read(g, copy, v); });
    });
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
