#pragma once
// Border colours that make a button look raised, and the swap that makes it look pressed.
#include "image/color.h"

namespace nimbrel {

struct BorderColors {
    Color left = 0;
    Color right = 0;
    Color top = 0;
    Color bottom = 0;
    bool operator==(const BorderColors& o) const
    {
        return left == o.left && right == o.right && top == o.top && bottom == o.bottom;
    }
};

// Each channel halved, rounded down.
Color darkShade(Color c);
// Each channel half-way to 255, rounded down.
Color lightShade(Color c);

// Light on the left and top, dark on the right and bottom.
BorderColors raisedBorders(Color buttonColor);

// Left takes the bottom colour, right the top, then top the new left and bottom
// the new right: the old left and right colours are dropped.
BorderColors swappedBorders(const BorderColors& current);

}  // namespace nimbrel
