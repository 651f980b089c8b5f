#pragma once

#include <functional>
#include <span>

class QAction;
class QMenuBar;
class QWidget;

namespace kavrin {

// A separator line among the entries of a menu or a toolbar.
inline constexpr int kSeparator = 0;

// One entry of a program's menu bar: command `id`, or kSeparator, at the end of the menu `menu`
// names by its title; "&File/Import" names the sub-menu Import of the menu File. A menu, and a
// sub-menu within its menu, stands where its first entry is.
struct MenuEntry {
    const char* menu;
    int id;
};

// The action that shows command `id` in a menu or on a toolbar; nullptr leaves the entry out.
using CommandAction = std::function<QAction*(int id)>;

// Adds the entries `ids` in order to `bar`, a menu or a toolbar: kSeparator as a separator line,
// any other id as the action `actionOf` gives for it.
void addCommandEntries(QWidget& bar, std::span<const int> ids, const CommandAction& actionOf);

// Adds the menus of `entries` to `bar` in order, each with its entries as addCommandEntries adds
// them. Titles are translated in the context "Menus".
void addMenus(QMenuBar& bar, std::span<const MenuEntry> entries, const CommandAction& actionOf);

} // namespace kavrin
