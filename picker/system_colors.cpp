#include "picker/system_colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>

#include "picker/color_model.h"

namespace nimbrel {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    bool known;
};

constexpr PaletteEntry A(QPalette::ColorRole role)
{
    return {QPalette::Active, role, true};
}
constexpr PaletteEntry D(QPalette::ColorRole role)
{
    return {QPalette::Disabled, role, true};
}
constexpr PaletteEntry kNone{QPalette::Active, QPalette::NoRole, false};

// Indexed like the system colours: scroll bar, desktop, active and inactive caption,
// menu, window, window frame, menu text, window text, caption text, active and
// inactive border, application workspace, highlight, highlighted text, button face,
// button shadow, grey text, button text, inactive caption text, button highlight,
// dark shadow, light, tooltip text and background, (unused), hot light, caption
// gradients, menu highlight, menu bar.
constexpr PaletteEntry kSystemColors[] = {
    A(QPalette::Button),
    A(QPalette::Dark),
    A(QPalette::Highlight),
    A(QPalette::Mid),
    A(QPalette::Window),
    A(QPalette::Base),
    A(QPalette::Shadow),
    A(QPalette::WindowText),
    A(QPalette::Text),
    A(QPalette::HighlightedText),
    A(QPalette::Window),
    A(QPalette::Window),
    A(QPalette::Mid),
    A(QPalette::Highlight),
    A(QPalette::HighlightedText),
    A(QPalette::Button),
    A(QPalette::Dark),
    D(QPalette::Text),
    A(QPalette::ButtonText),
    D(QPalette::WindowText),
    A(QPalette::Light),
    A(QPalette::Shadow),
    A(QPalette::Midlight),
    A(QPalette::ToolTipText),
    A(QPalette::ToolTipBase),
    kNone,
    A(QPalette::Link),
    A(QPalette::Highlight),
    A(QPalette::Mid),
    A(QPalette::Highlight),
    A(QPalette::Window),
};

}  // namespace

Color paletteSystemColor(std::uint32_t index)
{
    if (index >= std::size(kSystemColors) || !kSystemColors[index].known) return 0;
    const PaletteEntry& entry = kSystemColors[index];
    const QColor c = QGuiApplication::palette().color(entry.group, entry.role);
    return makeColor(c.red(), c.green(), c.blue());
}

Color resolveSystemColor(Color value)
{
    return resolveColor(value, paletteSystemColor);
}

}  // namespace nimbrel
