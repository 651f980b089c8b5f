#pragma once

#include <QRect>

#include <vector>

namespace kavrin::tavrel {

// The popup menus of the handheld program: which commands each holds, and which header anchor
// opens which menu at which place.

// A separator line in an item list.
inline constexpr int kMenuSeparator = 0;

// The command ids of popup menu `menuId` (IDR_MENU_...) in order, kMenuSeparator for a separator;
// empty for an unknown menu.
const std::vector<int>& menuItems(int menuId);

// The menu that anchor command `anchor` (IDC_SORT_MENU … IDC_FREQ_MENU) opens, or 0.
int menuOfAnchor(int anchor);

// The rectangle of the anchor, in dialog units of the main dialog; a menu opens with its top-left
// corner at the anchor's left edge and bottom edge. Empty for an unknown anchor.
QRect anchorRectUnits(int anchor);

} // namespace kavrin::tavrel
