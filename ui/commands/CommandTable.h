#pragma once

#include "ui/commands/ViewCommand.h"

#include <vector>

namespace kavrin {

// The commands of a station list owner, found by id. Menus, toolbars and tests go through it.
class CommandTable {
public:
    void add(ViewCommand command) { m_commands.push_back(std::move(command)); }

    const ViewCommand* find(int id) const;

    bool isChecked(int id) const;
    // A command runs only while its owner is idle (no load or save under way), unless it runs
    // while busy too, and its own rule allows it.
    bool isEnabled(int id, bool ownerIdle) const;

private:
    std::vector<ViewCommand> m_commands;
};

} // namespace kavrin
