#include "settings/settings_table.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

#include "base/error.h"
#include "core/style_fields.h"
#include "settings/gif_radio_groups.h"

namespace nimbrel {
namespace {

using T = SettingType;
using K = ControlKind;

Setting check(std::string key, std::string firstStart)
{
    return {key, T::Boolean, firstStart, key, K::CheckBox};
}

Setting panel(std::string key, std::string firstStart, std::string control)
{
    return {key, T::Integer, firstStart, control, K::ColorPanel};
}

Setting radio(std::string key, std::string firstStart, std::string control, int items)
{
    return {key, T::Integer, firstStart, control, K::RadioGroup, INT_MIN, INT_MAX, items};
}

Setting edit(std::string key, std::string control)
{
    return {std::move(key), T::String, "", std::move(control), K::LineEdit};
}

SettingType typeOf(const StyleField& field)
{
    return std::visit(
        [](auto member) {
            using Value = MemberValueT<decltype(member)>;
            if constexpr (std::is_same_v<Value, bool> || std::is_same_v<Value, Copies<bool>>)
                return T::Boolean;
            if constexpr (std::is_same_v<Value, std::string> || std::is_same_v<Value, Copies<std::string>>)
                return T::String;
            return T::Integer;
        },
        field.member);
}

// The settings of a style field, one per copy.
std::vector<Setting> settingsOf(const StyleField& f)
{
    std::vector<Setting> copies;
    for (int copy = firstCopy(f); copy <= lastCopy(f); ++copy)
        copies.push_back({copyName(f.settingKey, copy), typeOf(f),
                          std::string(f.firstStart[copy ? copy - 1 : 0]), copyName(f.controlName, copy),
                          f.control, f.minimum, f.maximum, f.items, f.maxLength});
    return copies;
}

// A place in the table: a setting of its own, or the settings of a style field.
using Row = std::variant<Setting, StyleMember>;

Row style(StyleMember member)
{
    return member;
}

std::vector<Setting> makeTable()
{
    const std::vector<Row> rows = {
        style(&ButtonStyle::fixedWidth),
        style(&ButtonStyle::fixedHeight),
        style(&ButtonStyle::backgroundBitmapsOn),
        check(setting_key::kSaveBmp, "1"),
        check(setting_key::kSaveGif, "1"),
        style(&ButtonStyle::fontUnderline),
        check(setting_key::kAutoFileName, "1"),
        check(setting_key::kSpaceToUnderscore, "1"),
        check(setting_key::kLowercase, "1"),
        style(&ButtonStyle::bitmapsEnabled),
        // Off at first start, and for older files without them: the files of before stay the same.
        check(setting_key::kSavePng, "0"),
        check(setting_key::kTransparent, "0"),
        check(setting_key::kSave2x, "0"),
        check(setting_key::kSave3x, "0"),

        style(&ButtonStyle::width),
        style(&ButtonStyle::height),
        style(&ButtonStyle::borderLeft),
        style(&ButtonStyle::borderRight),
        style(&ButtonStyle::borderTop),
        style(&ButtonStyle::borderBottom),
        style(&ButtonStyle::faceColor),
        style(&ButtonStyle::colorBorderLeft),
        style(&ButtonStyle::colorBorderRight),
        style(&ButtonStyle::colorBorderTop),
        style(&ButtonStyle::colorBorderBottom),
        Setting{setting_key::kZoom, T::Integer, "1", "tbZoom", K::Slider, 1, 5},
        panel(setting_key::kPreviewBackground, "$00808080", "pnlBackground"),
        radio(setting_key::kGifCompression, "1", "rgGIFCompression", kGifCompressionItems),
        radio(setting_key::kDithering, "0", "rgDithering", kDitheringItems),
        radio(setting_key::kColorReduction, "5", "rgColorReduction", kColorReductionItems),
        // The first-start value lies past the last item: the group shows its last item.
        radio(setting_key::kReductionBits, "6", "rgReductionBits", kReductionBitsItems),
        style(&ButtonStyle::fontSize),
        style(&ButtonStyle::fontStyle),
        style(&ButtonStyle::fontColor),
        style(&ButtonStyle::captionOffsetX),
        style(&ButtonStyle::captionOffsetY),
        style(&ButtonStyle::textAlign),
        style(&ButtonStyle::bitmapAligns),
        style(&ButtonStyle::antiAliasLevel),
        panel(setting_key::kTransparentColor, "$00FF00FF", "pnlTransparentColor"),

        style(&ButtonStyle::fontName),
        style(&ButtonStyle::bitmapFileNames),
        Setting{setting_key::kStyleDir, T::String, "", "", K::None},
        Setting{setting_key::kCaptionDir, T::String, "", "", K::None},
        edit(setting_key::kOutputDir, "edtOutputDir"),
        edit(setting_key::kCaption, "edtCaption"),
        edit(setting_key::kFileName, "edtFilename"),
        style(&ButtonStyle::prefix),
        style(&ButtonStyle::suffix),
    };
    std::vector<Setting> table;
    std::vector<const StyleField*> placed;
    for (const Row& row : rows) {
        if (const auto* setting = std::get_if<Setting>(&row)) {
            table.push_back(*setting);
            continue;
        }
        const StyleField& field = styleField(std::get<StyleMember>(row));
        placed.push_back(&field);
        for (Setting& copy : settingsOf(field)) table.push_back(std::move(copy));
    }
    for (const StyleField& field : styleFields())
        if (std::find(placed.begin(), placed.end(), &field) == placed.end())
            for (Setting& copy : settingsOf(field)) table.push_back(std::move(copy));
    return table;
}

}  // namespace

const std::vector<Setting>& mainWindowSettings()
{
    static const std::vector<Setting> table = makeTable();
    return table;
}

const Setting& mainWindowSetting(std::string_view key)
{
    const auto& table = mainWindowSettings();
    const auto found = std::find_if(table.begin(), table.end(), [&](const Setting& s) { return s.key == key; });
    if (found == table.end()) throw Error("Setting \"" + std::string(key) + "\" not found");
    return *found;
}

}  // namespace nimbrel
