#pragma once

#include <QColor>
#include <QString>

#include <functional>

namespace kavrin {

// One command of a program: its id, texts, toolbar picture, handler and the rules that give its
// check mark and enabled state from the state of the list owner or the window. Menus and the
// toolbar are built from a table of these (CommandBars.h); tests drive the program by id.
struct ViewCommand {
    int id = 0;
    QString menuText;    // empty: not in a menu
    QString prompt;      // status bar prompt and tooltip; empty: none
    QString toolTip;     // the tooltip where it is not the prompt (or the menu text without one)
    QString buttonLabel; // toolbar picture label; empty: not on the toolbar
    QColor buttonTint;
    std::function<void()> run;
    std::function<bool()> checked; // empty: never checked (and not checkable)
    std::function<bool()> enabled; // empty: always enabled
    // Runs while the list owner's worker has the station base too (About, Exit, the bars): it
    // does not touch the list.
    bool whileBusy = false;
};

// The command `id` with its menu text, prompt (empty: none) and handler; the rest as by default.
inline ViewCommand makeCommand(int id, QString menuText, QString prompt, std::function<void()> run)
{
    ViewCommand command;
    command.id = id;
    command.menuText = std::move(menuText);
    command.prompt = std::move(prompt);
    command.run = std::move(run);
    return command;
}

} // namespace kavrin
