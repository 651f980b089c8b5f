#include "handheld/HeaderMenus.h"

#include "handheld/TavrelCommandIds.h"

#include <algorithm>

namespace kavrin::tavrel {

namespace {

struct Anchor {
    int command;
    int menu;
    QRect units;
};

const Anchor kAnchors[] = {
    {IDC_FILE_MENU, IDR_MENU_FILE, {1, 18, 24, 9}},
    {IDC_SEARCH_MENU, IDR_MENU_SEARCH, {31, 18, 18, 9}},
    {IDC_TIME_MENU, IDR_MENU_TIME, {51, 18, 18, 9}},
    {IDC_FREQ_MENU, IDR_MENU_FREQUENCY, {71, 18, 18, 9}},
    {IDC_MOD_MENU, IDR_MENU_MODULATION, {90, 18, 18, 9}},
    {IDC_SORT_MENU, IDR_MENU_SORT, {109, 18, 28, 9}},
};

const Anchor* findAnchor(int command)
{
    for (const Anchor& anchor : kAnchors) {
        if (anchor.command == command)
            return &anchor;
    }
    return nullptr;
}

} // namespace

std::vector<int> menuItems(int menuId)
{
    std::vector<int> items;
    for (const PopupEntry& entry : kPopupMenus) {
        if (entry.menu == menuId)
            items.push_back(entry.id);
    }
    return items;
}

int menuOfAnchor(int anchor)
{
    const Anchor* found = findAnchor(anchor);
    return found ? found->menu : 0;
}

QRect anchorRectUnits(int anchor)
{
    const Anchor* found = findAnchor(anchor);
    return found ? found->units : QRect();
}

QPoint popupPosition(const QPoint& at, const QSize& size, const QRect& screen)
{
    QPoint position = at;
    if (position.x() + size.width() > screen.right() + 1)
        position.setX(screen.right() + 1 - size.width());
    if (position.y() + size.height() > screen.bottom() + 1)
        position.setY(position.y() - size.height());
    return {std::max(position.x(), screen.left()), std::max(position.y(), screen.top())};
}

} // namespace kavrin::tavrel
