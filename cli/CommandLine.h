#pragma once

#include "core/StationFilter.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavrin::cli {

// What the user asked the kavrin tool to do.
struct CliOptions {
    enum class Command { List, Check, ImportSchedule, Backups, Help, Version };

    Command command = Command::Help;
    std::filesystem::path file =
        "Stations.xml";           // list, backups: the default is in the current folder
    std::filesystem::path output; // import-schedule: the station file to write
    bool add = false;     // import-schedule: merge into the station file instead of replacing it
    StationFilter filter; // list: filter, sort and time display
    std::optional<std::u16string> search; // list: search for this text instead
    bool matchCase = false;
    std::optional<std::time_t> at; // list: judge "on the air" at this UTC moment, not now
};

// The parsed command line, or, when `error` is not empty, why it is wrong.
struct ParsedCommandLine {
    CliOptions options;
    std::string error;
};

// Parses the arguments after the program name: a command ("list", "check", "import-schedule" or
// "backups"), its options (as "--name VALUE" or "--name=VALUE", before or after the files) and its
// files: at most one for "list" and "backups", one for "check", the schedule and the station file
// for "import-schedule", whose one option is "--add". "--help" anywhere asks for the help text,
// else "--version" anywhere for the version. Texts are taken as UTF-8.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The one-line synopsis printed with every command-line error.
std::string usageText();

// The full help: every command and option.
std::string helpText();

// "kavrin" and its version, on one line.
std::string versionText();

} // namespace kavrin::cli
