#pragma once

#include <QRect>

#include <vector>

namespace kavrin::tavrel {

// The popup menus of the handheld program: which commands each holds, and which header anchor
// opens which menu at which place.

// The command ids of popup menu `menuId` (IDR_MENU_...) in order (kPopupMenus), kSeparator for a
// separator; empty for an unknown menu.
std::vector<int> menuItems(int menuId);

// The menu that anchor command `anchor` (IDC_SORT_MENU … IDC_FREQ_MENU) opens, or 0.
int menuOfAnchor(int anchor);

// The rectangle of the anchor, in dialog units of the main dialog; a menu opens with its top-left
// corner at the anchor's left edge and bottom edge. Empty for an unknown anchor.
QRect anchorRectUnits(int anchor);

// Where a popup menu of `size` that opens at `at` shows on `screen`: with its top-left corner at
// `at` where it fits; moved left so that it ends at the screen's right edge when it would run past
// it, and opened upwards, ending at `at`, when it would run past the bottom; never past the left
// or top edge.
QPoint popupPosition(const QPoint& at, const QSize& size, const QRect& screen);

} // namespace kavrin::tavrel
