#pragma once
// System colours: a colour value whose top byte is 0xFF names one by the index in
// its low byte (15 is the button face). Stored values keep that form; whatever
// shows or draws a colour resolves it through the one table here, so a colour
// panel, the preview and the saved button agree.
//
// This layer has no toolkit, so the table is a template over the palette class
// (QPalette in the layers above) and names its groups and roles through it; the
// layers with Qt instantiate it with the application's palette.
#include <cstdint>
#include <iterator>

#include "image/color.h"

namespace nimbrel {

// Looks up a system colour by its index (the value without the 0xFF top byte).
using SystemColorLookup = Color (*)(std::uint32_t index);

// Plain colours (0..0x00FFFFFF) pass unchanged; anything else is a system colour
// whose index is value XOR 0xFF000000. The result is always a plain colour.
inline Color resolveColor(Color value, SystemColorLookup lookup)
{
    if (value <= 0x00FFFFFF) return value;
    const Color resolved = lookup ? lookup(value ^ 0xFF000000u) : 0;
    return resolved & 0x00FFFFFF;
}

// The colour standing for system colour `index` in `palette`; black for an index
// no system colour has.
template <class Palette>
Color systemColorIn(const Palette& palette, std::uint32_t index)
{
    struct Entry {
        typename Palette::ColorGroup group;
        typename Palette::ColorRole role;
    };
    constexpr auto A = Palette::Active;
    constexpr auto D = Palette::Disabled;
    // Indexed like the system colours: scroll bar, desktop, active and inactive
    // caption, menu, window, window frame, menu text, window text, caption text,
    // active and inactive border, application workspace, highlight, highlighted
    // text, button face, button shadow, grey text, button text, inactive caption
    // text, button highlight, dark shadow, light, tooltip text and background,
    // (unused), hot light, caption gradients, menu highlight, menu bar.
    static constexpr Entry kTable[] = {
        {A, Palette::Button},
        {A, Palette::Dark},
        {A, Palette::Highlight},
        {A, Palette::Mid},
        {A, Palette::Window},
        {A, Palette::Base},
        {A, Palette::Shadow},
        {A, Palette::WindowText},
        {A, Palette::Text},
        {A, Palette::HighlightedText},
        {A, Palette::Window},
        {A, Palette::Window},
        {A, Palette::Mid},
        {A, Palette::Highlight},
        {A, Palette::HighlightedText},
        {A, Palette::Button},
        {A, Palette::Dark},
        {D, Palette::Text},
        {A, Palette::ButtonText},
        {D, Palette::WindowText},
        {A, Palette::Light},
        {A, Palette::Shadow},
        {A, Palette::Midlight},
        {A, Palette::ToolTipText},
        {A, Palette::ToolTipBase},
        {A, Palette::NoRole},
        {A, Palette::Link},
        {A, Palette::Highlight},
        {A, Palette::Mid},
        {A, Palette::Highlight},
        {A, Palette::Window},
    };
    if (index >= std::size(kTable) || kTable[index].role == Palette::NoRole) return 0;
    const auto c = palette.color(kTable[index].group, kTable[index].role);
    return makeColor(c.red(), c.green(), c.blue());
}

// `value` with a system colour resolved through the running application's
// palette (Application is QGuiApplication or a class derived from it; the
// caller includes <QPalette> too).
template <class Application>
Color resolveSystemColor(Color value)
{
    return resolveColor(value,
                        [](std::uint32_t index) { return systemColorIn(Application::palette(), index); });
}

}  // namespace nimbrel
