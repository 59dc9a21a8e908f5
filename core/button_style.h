#pragma once
// The look of one button as a value: what a style file holds and what the
// renderer draws from. It sets no defaults of its own; the window's controls
// (or a style file) supply every value. Every field is a row of the list in
// core/style_fields.h, which the style file, the settings and the window's
// controls go through.
#include <array>
#include <cstdint>
#include <string>

#include "image/color.h"

namespace nimbrel {

constexpr int kStyleBitmapCount = 4;

// The style keeps these as plain numbers, as its files do; the names only spell them.
namespace BitmapAlign {
enum : std::int32_t {
    TopLeft = 0,
    TopRight = 1,
    BottomLeft = 2,
    BottomRight = 3,
    TileTop = 4,
    TileBottom = 5,
    TileLeft = 6,
    TileRight = 7,
};
}  // namespace BitmapAlign

namespace TextAlign {
enum : std::int32_t { Centered = 0, Left = 1, Right = 2 };
}
namespace FontStyle {
enum : std::int32_t { Normal = 0, Bold = 1, Italic = 2, BoldItalic = 3 };
}

class ButtonStyle {
public:
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool fixedWidth = false;
    bool fixedHeight = false;
    Color faceColor = 0;
    Color colorBorderLeft = 0;
    Color colorBorderRight = 0;
    Color colorBorderTop = 0;
    Color colorBorderBottom = 0;
    std::int32_t borderLeft = 0;
    std::int32_t borderRight = 0;
    std::int32_t borderTop = 0;
    std::int32_t borderBottom = 0;
    std::string fontName;
    std::int32_t fontSize = 0;
    std::int32_t fontStyle = 0;
    bool fontUnderline = false;
    std::int32_t antiAliasLevel = 0;
    Color fontColor = 0;
    std::int32_t textAlign = 0;
    std::int32_t captionOffsetX = 0;
    std::int32_t captionOffsetY = 0;
    bool backgroundBitmapsOn = false;
    std::string prefix;
    std::string suffix;

    // The background bitmaps; index i - 1 holds bitmap i.
    std::array<std::string, kStyleBitmapCount> bitmapFileNames{};
    std::array<bool, kStyleBitmapCount> bitmapsEnabled{};
    std::array<std::int32_t, kStyleBitmapCount> bitmapAligns{};

    // Bitmaps are numbered 1..4, as the user sees them.
    const std::string& bitmapFileName(int i) const { return bitmapFileNames.at(i - 1); }
    void setBitmapFileName(int i, const std::string& name) { bitmapFileNames.at(i - 1) = name; }
    bool bitmapEnabled(int i) const { return bitmapsEnabled.at(i - 1); }
    void setBitmapEnabled(int i, bool enabled) { bitmapsEnabled.at(i - 1) = enabled; }
    std::int32_t bitmapAlign(int i) const { return bitmapAligns.at(i - 1); }
    void setBitmapAlign(int i, std::int32_t align) { bitmapAligns.at(i - 1) = align; }

    // Style files (key=value lines). Load throws nimbrel::Error on a file that
    // cannot be read or a value that does not parse; fields read before the
    // failure keep their new values. Save returns false when the file cannot
    // be written, leaving any old file whole. Bitmap names in the data folder
    // are stored relative to it.
    bool loadFromFile(const std::string& fileName, const std::string& dataFolder);
    bool saveToFile(const std::string& fileName, const std::string& dataFolder) const;

    bool operator==(const ButtonStyle& other) const = default;
};

// Drops one leading and, independently, one trailing double quote.
std::string unquoteFileName(const std::string& name);

}  // namespace nimbrel
