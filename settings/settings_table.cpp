#include "settings/settings_table.h"

#include <algorithm>

#include "base/error.h"
#include "settings/gif_radio_groups.h"

namespace nimbrel {
namespace {

using T = SettingType;
using K = ControlKind;

constexpr int kFontStyleItems = 4;  // Normal, Bold, Italic, Bold-Italic
constexpr int kTextAlignItems = 3;  // Centered, Left, Right
constexpr int kAntiAliasItems = 4;  // none and three strengths
constexpr int kBitmapAlignItems = 8;
constexpr int kAffixMaxLength = 40;

Setting check(std::string_view key, std::string_view firstStart)
{
    return {key, T::Boolean, firstStart, key, K::CheckBox};
}

Setting spin(std::string_view key, std::string_view firstStart, std::string_view control, int minimum = INT_MIN,
             int maximum = INT_MAX)
{
    return {key, T::Integer, firstStart, control, K::SpinBox, minimum, maximum};
}

Setting panel(std::string_view key, std::string_view firstStart, std::string_view control)
{
    return {key, T::Integer, firstStart, control, K::ColorPanel};
}

Setting list(std::string_view key, std::string_view firstStart, std::string_view control, int items)
{
    return {key, T::Integer, firstStart, control, K::ComboBox, INT_MIN, INT_MAX, items};
}

Setting radio(std::string_view key, std::string_view firstStart, std::string_view control, int items)
{
    return {key, T::Integer, firstStart, control, K::RadioGroup, INT_MIN, INT_MAX, items};
}

Setting edit(std::string_view key, std::string_view control, int maxLength = 0)
{
    return {key, T::String, "", control, K::LineEdit, INT_MIN, INT_MAX, 0, maxLength};
}

std::vector<Setting> makeTable()
{
    return {
        check("chkFixedWidth", "0"),
        check("chkFixedHeight", "1"),
        check("chkBMPBackground", "0"),
        check("chkSaveBMP", "1"),
        check("chkSaveGIF", "1"),
        check("chkUnderlined", "0"),
        check("chkAutoFilename", "1"),
        check("chkSpaceToUnderscore", "1"),
        check("chkLowercase", "1"),
        check("chkBMPEnabled1", "0"),
        check("chkBMPEnabled2", "0"),
        check("chkBMPEnabled3", "0"),
        check("chkBMPEnabled4", "0"),
        // Off at first start, and for older files without them: the files of before stay the same.
        check("chkSavePNG", "0"),
        check("chkTransparent", "0"),
        check("chkSave2x", "0"),
        check("chkSave3x", "0"),

        spin("ButtonSizeWidth", "16", "spnWidth", 0, 360),
        spin("ButtonSizeHeight", "32", "spnHeight", 0, 200),
        spin("ButtonBorderLeft", "1", "spn1"),
        spin("ButtonBorderRight", "1", "spn2"),
        spin("ButtonBorderTop", "1", "spn3"),
        spin("ButtonBorderBottom", "1", "spn4"),
        panel("ButtonColor", "$00C08000", "pnl0"),
        panel("ButtonBorderColorLeft", "$00804000", "pnl1"),
        panel("ButtonBorderColorRight", "$00804000", "pnl2"),
        panel("ButtonBorderColorTop", "$00804000", "pnl3"),
        panel("ButtonBorderColorBottom", "$00804000", "pnl4"),
        {"tbZoom", T::Integer, "1", "tbZoom", K::Slider, 1, 5},
        panel("pnlBackground", "$00808080", "pnlBackground"),
        radio("rgGIFCompression", "1", "rgGIFCompression", kGifCompressionItems),
        radio("rgDithering", "0", "rgDithering", kDitheringItems),
        radio("rgColorReduction", "5", "rgColorReduction", kColorReductionItems),
        // The first-start value lies past the last item: the group shows its last item.
        radio("rgColorReductionBits", "6", "rgReductionBits", kReductionBitsItems),
        spin("FontSize", "8", "edtFontSize"),
        list("FontStyle", "0", "cbFontStyle", kFontStyleItems),
        panel("FontColor", "$00FFFFFF", "pnlFontColor"),
        spin("MinorX", "0", "spnMinorX"),
        spin("MinorY", "0", "spnMinorY"),
        list("FontAlign", "0", "cbTextAlign", kTextAlignItems),
        list("BMPAlign1", "0", "cmbBMPAlign1", kBitmapAlignItems),
        list("BMPAlign2", "1", "cmbBMPAlign2", kBitmapAlignItems),
        list("BMPAlign3", "2", "cmbBMPAlign3", kBitmapAlignItems),
        list("BMPAlign4", "3", "cmbBMPAlign4", kBitmapAlignItems),
        list("cmbAntiAlias", "0", "cmbAntiAlias", kAntiAliasItems),
        panel("TransparentColor", "$00FF00FF", "pnlTransparentColor"),

        {"FontName", T::String, "Arial", "cbFont", K::FontList},
        edit("BMPFilename1", "edtBMPFilename1"),
        edit("BMPFilename2", "edtBMPFilename2"),
        edit("BMPFilename3", "edtBMPFilename3"),
        edit("BMPFilename4", "edtBMPFilename4"),
        {"StyleDir", T::String, "", "", K::None},
        {"CaptionDir", T::String, "", "", K::None},
        edit("OutputDir", "edtOutputDir"),
        edit("edtCaption", "edtCaption"),
        edit("edtFilename", "edtFilename"),
        edit("edtPrefix", "edtPrefix", kAffixMaxLength),
        edit("edtSuffix", "edtSuffix", kAffixMaxLength),
    };
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
