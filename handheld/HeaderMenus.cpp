#include "handheld/HeaderMenus.h"

#include "handheld/TavrelCommandIds.h"

#include <algorithm>
#include <map>

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

const std::vector<int>& menuItems(int menuId)
{
    static const std::map<int, std::vector<int>> menus = {
        {IDR_MENU_FILE,
         {ID_STATION_NEW, ID_STATION_EDIT, ID_STATION_DELETE, kMenuSeparator, ID_APP_ABOUT,
          ID_APP_EXIT}},
        {IDR_MENU_SEARCH, {ID_SEARCH_START, ID_SEARCH_RESET}},
        {IDR_MENU_TIME,
         {ID_TIME_ALL, ID_TIME_ACTIVE, ID_TIME_REFRESH, kMenuSeparator, ID_TIME_LOCAL,
          ID_TIME_GMT}},
        {IDR_MENU_FREQUENCY,
         {ID_FREQ_ALL, kMenuSeparator, ID_FREQ_LF, ID_FREQ_MW, ID_FREQ_SW, ID_FREQ_VHF, ID_FREQ_FM,
          ID_FREQ_UHF, kMenuSeparator, ID_FREQ_USER}},
        {IDR_MENU_MODULATION,
         {ID_MOD_ALL, kMenuSeparator, ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB,
          ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL}},
        {IDR_MENU_SORT, {ID_SORT_FREQUENCY, ID_SORT_NAME, ID_SORT_MODULATION, ID_SORT_LOCATION}},
        {IDR_MENU_STATION, {ID_STATION_NEW, ID_STATION_EDIT, ID_STATION_DELETE}},
    };
    static const std::vector<int> none;
    const auto found = menus.find(menuId);
    return found == menus.end() ? none : found->second;
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
