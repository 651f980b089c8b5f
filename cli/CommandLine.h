#pragma once

#include "core/list/StationFilter.h"
#include "core/system/Result.h"
#include "core/tuning/ReceiverMode.h"
#include "receiver/ReceiverSettings.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavrin::cli {

// What the user asked the kavrin tool to do.
struct CliOptions {
    enum class Command { List, Check, ImportSchedule, Backups, On, Tune, Help, Version };

    Command command = Command::Help;
    std::filesystem::path file =
        "Stations.xml";           // list, backups: the default is in the current folder
    std::filesystem::path output; // import-schedule: the station file to write
    bool add = false;     // import-schedule: merge into the station file instead of replacing it
    StationFilter filter; // list: filter, sort and time display
    std::optional<std::u16string> search; // list: search for this text instead
    bool matchCase = false;
    std::optional<std::time_t> at;      // list, on: judge "on the air" at this UTC moment, not now
    double mhz = 0;                     // on, tune: the frequency
    std::optional<double> toleranceKhz; // on: instead of defaultToleranceKhz
    std::optional<ReceiverMode> mode;   // tune: instead of the station's or the receiver's
    std::optional<std::u16string> station; // tune: the station to tune to, by name
    ReceiverSettings receiver;             // tune
    bool receiverAddressGiven = false;     // tune: by "--receiver" or "--device"
};

// Parses the arguments after the program name: a command ("list", "check", "import-schedule",
// "backups", "on" or "tune"), its options (CliReference.h; as "--name VALUE" or "--name=VALUE",
// before or after the other arguments), and its frequency and files where it takes them: at most
// one file for "list" and "backups", one for "check", the schedule and the station file for
// "import-schedule", whose one option is "--add". "--help" anywhere asks for the help text, else
// "--version" anywhere for the version. Texts are taken as UTF-8. Fails with what is wrong.
Result<CliOptions> parseCommandLine(const std::vector<std::string>& args);

// "kavrin" and its version, on one line.
std::string versionText();

} // namespace kavrin::cli
