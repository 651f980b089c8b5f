#pragma once

#include "core/ReceiverMode.h"
#include "core/StationFilter.h"
#include "receiver/ReceiverSettings.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavrin::cli {

// What the user asked the kavrin tool to do.
struct CliOptions {
    enum class Command { List, Check, ImportSchedule, On, Tune, Help };

    Command command = Command::Help;
    std::filesystem::path file = "Stations.xml"; // list: the default is in the current folder
    std::filesystem::path output;                // import-schedule: the station file to write
    StationFilter filter;                        // list: filter, sort and time display
    std::optional<std::u16string> search;        // list: search for this text instead
    bool matchCase = false;
    std::optional<std::time_t> at;      // list, on: judge "on the air" at this UTC moment, not now
    double mhz = 0;                     // on, tune: the frequency
    std::optional<double> toleranceKhz; // on: instead of defaultToleranceKhz
    std::optional<ReceiverMode> mode;   // tune: instead of the station's or the receiver's
    std::optional<std::u16string> station; // tune: the station to tune to, by name
    ReceiverSettings receiver;             // tune
    bool receiverAddressGiven = false;     // tune: by "--receiver" or "--device"
};

// The parsed command line, or, when `error` is not empty, why it is wrong.
struct ParsedCommandLine {
    CliOptions options;
    std::string error;
};

// Parses the arguments after the program name: a command ("list", "check", "import-schedule",
// "on" or "tune"), its options (as "--name VALUE" or "--name=VALUE", before or after the other
// arguments), and its frequency and file where it takes them. "--help" anywhere asks for the help
// text. Texts are taken as UTF-8.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The one-line synopsis printed with every command-line error.
std::string usageText();

// The full help: every command and option.
std::string helpText();

} // namespace kavrin::cli
