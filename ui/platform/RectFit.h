#pragma once

#include <QRect>

namespace kavrin {

// `rect` moved as little as puts it inside `room`; one larger than the room starts at its left or
// top edge.
QRect movedInside(QRect rect, const QRect& room);

} // namespace kavrin
