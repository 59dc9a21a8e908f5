#include "core/style_fields.h"

#include <algorithm>

namespace nimbrel {
namespace {

using S = ButtonStyle;
using K = ControlKind;

constexpr int kFontStyleItems = 4;  // Normal, Bold, Italic, Bold-Italic
constexpr int kTextAlignItems = 3;  // Centered, Left, Right
constexpr int kAntiAliasItems = 4;  // none and three strengths
constexpr int kBitmapAlignItems = 8;
constexpr int kAffixMaxLength = 40;

// New fields go at the end: style files then write them after suffix, and the
// settings file at the end of the section of their type.
constexpr StyleField kFields[] = {
    {&S::width, "width", "ButtonSizeWidth", K::SpinBox, "spnWidth", {"16"}, 0, 360},
    {&S::height, "height", "ButtonSizeHeight", K::SpinBox, "spnHeight", {"32"}, 0, 200},
    {&S::fixedWidth, "fixedWidth", "chkFixedWidth", K::CheckBox, "chkFixedWidth", {"0"}},
    {&S::fixedHeight, "fixedHeight", "chkFixedHeight", K::CheckBox, "chkFixedHeight", {"1"}},
    {&S::faceColor, "colorBack", "ButtonColor", K::ColorPanel, "pnl0", {"$00C08000"}},
    {&S::colorBorderLeft, "colorBorderLeft", "ButtonBorderColorLeft", K::ColorPanel, "pnl1", {"$00804000"}},
    {&S::colorBorderRight,
     "colorBorderRight",
     "ButtonBorderColorRight",
     K::ColorPanel,
     "pnl2",
     {"$00804000"}},
    {&S::colorBorderTop, "colorBorderTop", "ButtonBorderColorTop", K::ColorPanel, "pnl3", {"$00804000"}},
    {&S::colorBorderBottom,
     "colorBorderBottom",
     "ButtonBorderColorBottom",
     K::ColorPanel,
     "pnl4",
     {"$00804000"}},
    {&S::borderLeft, "borderLeft", "ButtonBorderLeft", K::SpinBox, "spn1", {"1"}},
    {&S::borderRight, "borderRight", "ButtonBorderRight", K::SpinBox, "spn2", {"1"}},
    {&S::borderTop, "borderTop", "ButtonBorderTop", K::SpinBox, "spn3", {"1"}},
    {&S::borderBottom, "borderBottom", "ButtonBorderBottom", K::SpinBox, "spn4", {"1"}},
    {&S::fontName, "fontName", "FontName", K::FontList, "cbFont", {"Arial"}},
    {&S::fontSize, "fontSize", "FontSize", K::SpinBox, "edtFontSize", {"8"}},
    {&S::fontStyle,
     "fontStyle",
     "FontStyle",
     K::ComboBox,
     "cbFontStyle",
     {"0"},
     INT_MIN,
     INT_MAX,
     kFontStyleItems},
    {&S::fontUnderline, "fontUnderline", "chkUnderlined", K::CheckBox, "chkUnderlined", {"0"}},
    {&S::antiAliasLevel,
     "fontAntiAlias",
     "cmbAntiAlias",
     K::ComboBox,
     "cmbAntiAlias",
     {"0"},
     INT_MIN,
     INT_MAX,
     kAntiAliasItems},
    {&S::fontColor, "fontColor", "FontColor", K::ColorPanel, "pnlFontColor", {"$00FFFFFF"}},
    {&S::textAlign,
     "textAlign",
     "FontAlign",
     K::ComboBox,
     "cbTextAlign",
     {"0"},
     INT_MIN,
     INT_MAX,
     kTextAlignItems},
    {&S::captionOffsetX, "minorX", "MinorX", K::SpinBox, "spnMinorX", {"0"}},
    {&S::captionOffsetY, "minorY", "MinorY", K::SpinBox, "spnMinorY", {"0"}},
    {&S::backgroundBitmapsOn, "importBMP", "chkBMPBackground", K::CheckBox, "chkBMPBackground", {"0"}},
    {&S::bitmapFileNames, "BMPfilename", "BMPFilename", K::LineEdit, "edtBMPFilename", {"", "", "", ""}},
    {&S::bitmapsEnabled, "BMPEnabled", "chkBMPEnabled", K::CheckBox, "chkBMPEnabled", {"0", "0", "0", "0"}},
    {&S::bitmapAligns,
     "BMPAlign",
     "BMPAlign",
     K::ComboBox,
     "cmbBMPAlign",
     {"0", "1", "2", "3"},
     INT_MIN,
     INT_MAX,
     kBitmapAlignItems},
    {&S::prefix, "prefix", "edtPrefix", K::LineEdit, "edtPrefix", {""}, INT_MIN, INT_MAX, 0, kAffixMaxLength},
    {&S::suffix, "suffix", "edtSuffix", K::LineEdit, "edtSuffix", {""}, INT_MIN, INT_MAX, 0, kAffixMaxLength},
};

// How many members an aggregate has: the most initializers it takes.
struct AnyMember {
    template <class T>
    operator T() const;
};
template <class T, class... Members>
constexpr std::size_t memberCount()
{
    if constexpr (requires { T{Members{}..., AnyMember{}}; })
        return memberCount<T, Members..., AnyMember>();
    else
        return sizeof...(Members);
}

// A member added to the style but not to the list would be lost by style files,
// the settings and the window without a word: the build stops here instead.
static_assert(memberCount<ButtonStyle>() == std::size(kFields),
              "every ButtonStyle member needs a row in kFields");

}  // namespace

std::span<const StyleField> styleFields()
{
    return kFields;
}

const StyleField& styleField(StyleMember member)
{
    return *std::find_if(std::begin(kFields), std::end(kFields),
                         [&](const StyleField& f) { return f.member == member; });
}

bool isNumbered(const StyleField& field)
{
    return std::visit([](auto member) { return IsCopies<MemberValueT<decltype(member)>>::value; },
                      field.member);
}

std::string copyName(std::string_view name, int copy)
{
    return copy == 0 ? std::string(name) : std::string(name) + std::to_string(copy);
}

}  // namespace nimbrel
