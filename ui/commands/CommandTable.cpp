#include "ui/commands/CommandTable.h"

namespace kavrin {

const ViewCommand* CommandTable::find(int id) const
{
    for (const ViewCommand& c : m_commands) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

bool CommandTable::isChecked(int id) const
{
    const ViewCommand* c = find(id);
    return c != nullptr && c->checked && c->checked();
}

bool CommandTable::isEnabled(int id, bool ownerIdle) const
{
    const ViewCommand* c = find(id);
    return c != nullptr && (ownerIdle || c->whileBusy) && (!c->enabled || c->enabled());
}

} // namespace kavrin
