#include "ui/platform/RectFit.h"

#include <algorithm>

namespace kavrin {

QRect movedInside(QRect rect, const QRect& room)
{
    rect.moveLeft(std::max(room.left(), std::min(rect.left(), room.right() + 1 - rect.width())));
    rect.moveTop(std::max(room.top(), std::min(rect.top(), room.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace kavrin
