#pragma once

#include <QVariant>
#include <QWidget>

namespace kavrin {

// Controls of the shared dialogs carry the established numeric ids, so the programs' layouts and
// the tests find them by id.

// The ids every dialog's OK (or Save) and Cancel buttons carry.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

inline void setControlId(QWidget* control, int id)
{
    control->setProperty("controlId", id);
}

// The child of `root` with control id `id` (searching the whole tree below it), or nullptr.
template <typename Control = QWidget> Control* findControl(const QWidget* root, int id)
{
    for (Control* candidate : root->findChildren<Control*>()) {
        if (candidate->property("controlId").toInt() == id)
            return candidate;
    }
    return nullptr;
}

} // namespace kavrin
