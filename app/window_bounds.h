#pragma once
// Where a stored window placement may put the window: a placement that no longer
// fits the screen (a screen since removed, a hand-edited file) must not leave the
// window out of reach or larger than the screen.
#include <QMargins>
#include <QRect>
#include <cstdint>

namespace nimbrel {

// A window's client area as stored, in 64 bits so that no stored value overflows.
struct StoredBounds {
    std::int64_t left = 0, top = 0, width = 0, height = 0;
};

// `stored` unchanged when the window, with its frame, lies within `available`;
// otherwise cut to the available size and moved in, so that the whole window and
// its title bar can be seen and reached.
QRect fitWindowBounds(const StoredBounds& stored, const QRect& available, const QMargins& frame);

}  // namespace nimbrel
