#pragma once

#include <QRect>

class QWidget;

namespace kavrin {

// A window that stands for the whole screen of a small device (the handheld program's): what it
// and the dialogs it owns open — message boxes, drop-down lists — must stay inside that window,
// not merely on the desktop's screen.

// Makes `window` a device screen.
void setDeviceScreen(QWidget& window);

// The device screen that shows `widget` or owns the dialog showing it (the nearest one), or
// nullptr.
QWidget* deviceScreenOf(QWidget* widget);

// The rectangle, in global coordinates, that a window opened by `widget` must lie in: that of its
// device screen, or when it has none the available area of the screen `widget` shows on.
QRect roomFor(QWidget& widget);

} // namespace kavrin
