#pragma once
// The look of one button as a value: what a style file holds and what the
// renderer draws from. It sets no defaults of its own; the window's controls
// (or a style file) supply every value.
#include <array>
#include <cstdint>
#include <string>

#include "output/color.h"

namespace nimbrel {

constexpr int kStyleBitmapCount = 4;

enum BmpAlign : std::int32_t {
    ba_TopLeft = 0,
    ba_TopRight = 1,
    ba_BottomLeft = 2,
    ba_BottomRight = 3,
    ba_TileTop = 4,
    ba_TileBottom = 5,
    ba_TileLeft = 6,
    ba_TileRight = 7,
};

enum TextAlign : std::int32_t { ta_Centered = 0, ta_Left = 1, ta_Right = 2 };
enum FontStyle : std::int32_t { fs_Normal = 0, fs_Bold = 1, fs_Italic = 2, fs_BoldItalic = 3 };

class TButtonStyle {
public:
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool fixedWidth = false;
    bool fixedHeight = false;
    Color colorBack = 0;
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
    std::int32_t fontAntiAlias = 0;
    Color fontColor = 0;
    std::int32_t textAlign = 0;
    std::int32_t minorX = 0;
    std::int32_t minorY = 0;
    bool importBMP = false;
    std::string prefix;
    std::string suffix;

    // Bitmaps are numbered 1..4, as the user sees them.
    const std::string& BMPFilename(int i) const { return bmpFilename_.at(i - 1); }
    void setBMPFilename(int i, const std::string& name) { bmpFilename_.at(i - 1) = name; }
    bool BMPEnabled(int i) const { return bmpEnabled_.at(i - 1); }
    void setBMPEnabled(int i, bool enabled) { bmpEnabled_.at(i - 1) = enabled; }
    std::int32_t BMPAlign(int i) const { return bmpAlign_.at(i - 1); }
    void setBMPAlign(int i, std::int32_t align) { bmpAlign_.at(i - 1) = align; }

    // Style files (key=value lines). Load throws nimbrel::Error on a file that
    // cannot be read or a value that does not parse; fields read before the
    // failure keep their new values. Save returns false when the file cannot
    // be written, leaving any old file whole.
    bool LoadFromFile(const std::string& fileName);
    bool SaveToFile(const std::string& fileName) const;

    bool operator==(const TButtonStyle& other) const;
    bool operator!=(const TButtonStyle& other) const { return !(*this == other); }

private:
    std::array<std::string, kStyleBitmapCount> bmpFilename_{};
    std::array<bool, kStyleBitmapCount> bmpEnabled_{};
    std::array<std::int32_t, kStyleBitmapCount> bmpAlign_{};
};

// The style of a first start: what the settings defaults put into the controls.
TButtonStyle firstStartStyle();

// Drops one leading and, independently, one trailing double quote.
std::string UnquoteFileName(const std::string& name);

}  // namespace nimbrel
