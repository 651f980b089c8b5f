#pragma once

#include <QVariant>
#include <QWidget>

namespace kavrin {

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
