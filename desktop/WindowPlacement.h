#pragma once

#include "core/system/Result.h"

#include <QByteArray>
#include <QList>
#include <QRect>

namespace kavrin::orvale {

// The stored placement of the main window: the 44-byte record of eleven little-endian 32-bit
// fields (length, flags, show command, minimised position x/y, maximised position x/y, normal
// rectangle left/top/right/bottom) kept under "MainFrame"/"WP" in the profile.
struct WindowPlacement {
    enum ShowCommand : int { ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3 };

    int flags = 0;
    int showCommand = ShowNormal;
    QPoint minPosition{-1, -1};
    QPoint maxPosition{-1, -1};
    QRect normal; // the window's frame rectangle when neither minimised nor maximised

    static constexpr int kRecordSize = 44;

    QByteArray toRecord() const;

    // The placement a record holds. Fails for a value that is not a placement record (wrong size
    // or length field): it is then ignored rather than applied.
    static Result<WindowPlacement> fromRecord(const QByteArray& record);
};

// Where a window stored at `rect` opens, given the available areas of the screens there are now:
// where it was when it shows on one of them; otherwise moved onto the nearest, keeping its size
// where that screen holds it and shrunk to the screen where not. So a window left where an
// unplugged monitor was opens where it can be seen, as the platform places a stored placement.
QRect placedOnScreen(const QRect& rect, const QList<QRect>& screens);

} // namespace kavrin::orvale
