#include "ui/commands/CommandBars.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace kavrin {

namespace {

// The menu of `path` in `bar`: the one made before, or a new one at the end of the bar or, for a
// sub-menu, of its menu.
QMenu* menuAt(QMenuBar& bar, const QString& path, std::map<QString, QMenu*>& made)
{
    if (const auto found = made.find(path); found != made.end())
        return found->second;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString title =
        QCoreApplication::translate("Menus", path.mid(slash + 1).toUtf8().constData());
    QMenu* menu =
        slash < 0 ? bar.addMenu(title) : menuAt(bar, path.left(slash), made)->addMenu(title);
    made[path] = menu;
    return menu;
}

} // namespace

void addCommandEntries(QWidget& bar, std::span<const int> ids, const CommandAction& actionOf)
{
    for (int id : ids) {
        if (id == kSeparator) {
            auto* separator = new QAction(&bar);
            separator->setSeparator(true);
            bar.addAction(separator);
        } else if (QAction* action = actionOf(id)) {
            bar.addAction(action);
        }
    }
}

void addMenus(QMenuBar& bar, std::span<const MenuEntry> entries, const CommandAction& actionOf)
{
    std::map<QString, QMenu*> made;
    for (const MenuEntry& entry : entries)
        addCommandEntries(*menuAt(bar, QString::fromUtf8(entry.menu), made), {&entry.id, 1},
                          actionOf);
}

} // namespace kavrin
