#pragma once

#include "core/file/StationFilePlace.h"

#include <QString>

#include <functional>
#include <optional>

class QSettings;

namespace kavrin {

// Who a program is: the names of its profile, its desktop entry and the first line of its help.
struct ProgramIdentity {
    const char* organisation;    // of the profile, "Kavrin"
    const char* application;     // of the profile, "Orvale"
    const char* desktopFileName; // "org.kavrin.Orvale"
    const char* description;     // "Orvale, the Kavrin station manager."
};

// What a program starts with once its command line has been read.
struct ProgramStart {
    QString executable;                // the running program's full path
    StationFilePlace place;            // where it keeps its station file
    QSettings& profile;                // its profile, named after its identity
    std::optional<QString> screenshot; // "--screenshot FILE": a picture of the window, then quit
};

// The start both programs share: names the application after `identity` (its version is
// KAVRIN_VERSION), reads the command line and runs `run` under a QApplication, returning what
// `run` returns. "--help" and "--version" print their text and end the process with status 0
// before the window system is reached, so they answer where there is no display (over ssh); the
// help names the station file. A command line the options refuse ends it with status 1 and the
// reason, once the window system has taken its own options ("-platform", "-style", ...).
int runProgram(int argc, char* argv[], const ProgramIdentity& identity,
               const std::function<int(const ProgramStart& start)>& run);

} // namespace kavrin
