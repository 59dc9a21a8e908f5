#include "settings/style_from_settings.h"

#include <algorithm>
#include <limits>

namespace nimbrel {
namespace {

constexpr int kFontStyleItems = 4;
constexpr int kAntiAliasItems = 4;
constexpr int kTextAlignItems = 3;
constexpr int kBitmapAlignItems = 8;

// A value box holds a 32-bit number within its range.
std::int32_t boxValue(std::int64_t value, std::int64_t low = std::numeric_limits<std::int32_t>::min(),
                      std::int64_t high = std::numeric_limits<std::int32_t>::max())
{
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

// A drop-down list shows no selection for an index outside its items.
std::int32_t listIndex(std::int64_t value, int itemCount)
{
    return value >= 0 && value < itemCount ? static_cast<std::int32_t>(value) : -1;
}

Color panelColor(std::int64_t value)
{
    return static_cast<Color>(value);
}

}  // namespace

std::string limitedEditText(const std::string& text, int maxCharacters)
{
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters) return text.substr(0, i);
    }
    return text;
}

ButtonStyle styleFromSettings(const SettingsValues& v)
{
    ButtonStyle s;
    s.width = boxValue(v.integer("ButtonSizeWidth"), 0, kMaxButtonWidth);
    s.height = boxValue(v.integer("ButtonSizeHeight"), 0, kMaxButtonHeight);
    s.fixedWidth = v.boolean("chkFixedWidth");
    s.fixedHeight = v.boolean("chkFixedHeight");
    s.colorBack = panelColor(v.integer("ButtonColor"));
    s.colorBorderLeft = panelColor(v.integer("ButtonBorderColorLeft"));
    s.colorBorderRight = panelColor(v.integer("ButtonBorderColorRight"));
    s.colorBorderTop = panelColor(v.integer("ButtonBorderColorTop"));
    s.colorBorderBottom = panelColor(v.integer("ButtonBorderColorBottom"));
    s.borderLeft = boxValue(v.integer("ButtonBorderLeft"));
    s.borderRight = boxValue(v.integer("ButtonBorderRight"));
    s.borderTop = boxValue(v.integer("ButtonBorderTop"));
    s.borderBottom = boxValue(v.integer("ButtonBorderBottom"));
    s.fontName = v.text("FontName");
    s.fontSize = boxValue(v.integer("FontSize"));
    s.fontStyle = listIndex(v.integer("FontStyle"), kFontStyleItems);
    s.fontUnderline = v.boolean("chkUnderlined");
    s.fontAntiAlias = listIndex(v.integer("cmbAntiAlias"), kAntiAliasItems);
    s.fontColor = panelColor(v.integer("FontColor"));
    s.textAlign = listIndex(v.integer("FontAlign"), kTextAlignItems);
    s.minorX = boxValue(v.integer("MinorX"));
    s.minorY = boxValue(v.integer("MinorY"));
    s.importBMP = v.boolean("chkBMPBackground");
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        const std::string n = std::to_string(i);
        s.setBitmapFileName(i, unquoteFileName(v.text("BMPFilename" + n)));
        s.setBitmapEnabled(i, v.boolean("chkBMPEnabled" + n));
        s.setBitmapAlign(i, listIndex(v.integer("BMPAlign" + n), kBitmapAlignItems));
    }
    s.prefix = limitedEditText(v.text("edtPrefix"), kAffixMaxLength);
    s.suffix = limitedEditText(v.text("edtSuffix"), kAffixMaxLength);
    return s;
}

}  // namespace nimbrel
