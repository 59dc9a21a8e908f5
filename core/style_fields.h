#pragma once
// Every field of the button style in one list: its member, its key in style
// files, its name in the settings file, and the window's control that shows it
// with that control's limits and first-start value. The style file, the
// settings table, the style read from the settings and the window's controls
// all go through the list, so a new field is one row plus its drawing and its
// control. A row whose member is an array stands for its numbered copies: key,
// setting and control names get the copy's number (1..kStyleBitmapCount).
#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/button_style.h"
#include "core/control_kind.h"

namespace nimbrel {

template <class T>
using Copies = std::array<T, kStyleBitmapCount>;

template <class T>
struct IsCopies : std::false_type {
};
template <class T>
struct IsCopies<Copies<T>> : std::true_type {
};

// The value type of a member pointer of the style.
template <class Member>
struct MemberValue;
template <class Value>
struct MemberValue<Value ButtonStyle::*> {
    using type = Value;
};
template <class Member>
using MemberValueT = typename MemberValue<Member>::type;

using StyleMember = std::variant<std::int32_t ButtonStyle::*, Color ButtonStyle::*, bool ButtonStyle::*,
                                 std::string ButtonStyle::*, Copies<std::int32_t> ButtonStyle::*,
                                 Copies<bool> ButtonStyle::*, Copies<std::string> ButtonStyle::*>;

struct StyleField {
    StyleMember member;
    std::string_view fileKey;     // in style files
    std::string_view settingKey;  // in the settings file
    ControlKind control;
    std::string_view controlName;  // object name of the window's control
    // The settings' value before anything is stored; copies have one each, a
    // single field uses the first.
    Copies<std::string_view> firstStart;
    int minimum = INT_MIN;  // SpinBox
    int maximum = INT_MAX;
    int items = 0;      // ComboBox
    int maxLength = 0;  // LineEdit; 0: no limit
};

// In style-file order.
std::span<const StyleField> styleFields();

// The row of `member`; every member has one (checked when this library builds).
const StyleField& styleField(StyleMember member);

// Whether a row stands for numbered copies (its member is an array), and the
// numbers its copies go by: 1..kStyleBitmapCount, or 0 alone for a single field.
bool isNumbered(const StyleField& field);
inline int firstCopy(const StyleField& field)
{
    return isNumbered(field) ? 1 : 0;
}
inline int lastCopy(const StyleField& field)
{
    return isNumbered(field) ? kStyleBitmapCount : 0;
}
// A name of the row for copy `copy` (1-based; 0 for a single field): `name`
// with the copy's number appended.
std::string copyName(std::string_view name, int copy);

// Calls visit(copy, value) for each copy of the field in `style`, with copy 0
// for a single field; `Style` is ButtonStyle or const ButtonStyle.
template <class Style, class Visit>
void forEachCopy(const StyleField& field, Style& style, Visit visit)
{
    std::visit(
        [&](auto member) {
            auto& value = style.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (IsCopies<Value>::value) {
                for (int i = 1; i <= kStyleBitmapCount; ++i) visit(i, value[i - 1]);
            } else {
                visit(0, value);
            }
        },
        field.member);
}

}  // namespace nimbrel
