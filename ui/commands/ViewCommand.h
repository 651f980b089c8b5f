#pragma once

#include <QColor>
#include <QString>

#include <functional>

namespace kavrin {

// One command of a station list owner: its id, texts, toolbar picture, handler and the rules
// that give its check mark and enabled state from the owner's state. Menus and the toolbar are
// built from a table of these; tests drive the program by id.
struct ViewCommand {
    int id = 0;
    QString menuText;    // empty: not in a menu
    QString prompt;      // status bar prompt and tooltip; empty: none
    QString buttonLabel; // toolbar picture label; empty: not on the toolbar
    QColor buttonTint;
    std::function<void()> run;
    std::function<bool()> checked; // empty: never checked (and not checkable)
    std::function<bool()> enabled; // empty: always enabled
};

} // namespace kavrin
