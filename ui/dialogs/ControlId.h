#pragma once

#include <QVariant>
#include <QWidget>

namespace kavrin {

// Controls of the shared dialogs carry the established numeric ids, so the programs' layouts and
// the tests find them by id (the property "controlId").

// The ids every dialog's OK (or Save) and Cancel buttons carry.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

inline void setControlId(QWidget* control, int id)
{
    control->setProperty("controlId", id);
}

} // namespace kavrin
