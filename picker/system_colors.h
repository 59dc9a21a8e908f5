#pragma once
// System colours (0xFF0000nn) resolved through the application palette, so panels
// that follow the desktop's colours look right under any theme.
#include <cstdint>

#include "image/color.h"

namespace nimbrel {

// The palette colour standing for a system colour index (15 is the button face);
// black for an index no system colour has.
Color paletteSystemColor(std::uint32_t index);

// resolveColor with the palette as the lookup.
Color resolveSystemColor(Color value);

}  // namespace nimbrel
