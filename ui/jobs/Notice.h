#pragma once

#include <QString>

namespace kavrin {

// What a worker tells the window it works for. `command` is the notice's id, chosen by the
// program (its established numbers); the other fields carry what that notice reports. The notice
// that ends a job carries nothing more: the job hands over what the work found (BackgroundJob).
struct Notice {
    int command = 0;
    QString text;  // a status text, for notices that show one
    int count = 0; // a count or a percentage
};

} // namespace kavrin
