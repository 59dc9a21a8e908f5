#include "app/window_bounds.h"

#include <algorithm>

namespace nimbrel {

QRect fitWindowBounds(const StoredBounds& stored, const QRect& available, const QMargins& frame)
{
    const std::int64_t roomLeft = std::int64_t{available.left()} + frame.left();
    const std::int64_t roomTop = std::int64_t{available.top()} + frame.top();
    const std::int64_t roomWidth =
        std::max<std::int64_t>(1, std::int64_t{available.width()} - frame.left() - frame.right());
    const std::int64_t roomHeight =
        std::max<std::int64_t>(1, std::int64_t{available.height()} - frame.top() - frame.bottom());
    const bool fits = stored.width > 0 && stored.height > 0 && stored.left >= roomLeft &&
                      stored.top >= roomTop && stored.left + stored.width <= roomLeft + roomWidth &&
                      stored.top + stored.height <= roomTop + roomHeight;
    if (fits) {
        return QRect(static_cast<int>(stored.left), static_cast<int>(stored.top),
                     static_cast<int>(stored.width), static_cast<int>(stored.height));
    }
    const std::int64_t width = std::clamp<std::int64_t>(stored.width, 1, roomWidth);
    const std::int64_t height = std::clamp<std::int64_t>(stored.height, 1, roomHeight);
    const std::int64_t left = std::clamp(stored.left, roomLeft, roomLeft + roomWidth - width);
    const std::int64_t top = std::clamp(stored.top, roomTop, roomTop + roomHeight - height);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height));
}

}  // namespace nimbrel
