// kavrin: the station core on the command line, for scripts and for checking a station file
// without a display.

#include "cli/BackupsCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliHelp.h"
#include "cli/CommandLine.h"
#include "cli/ImportScheduleCommand.h"
#include "cli/ListCommand.h"
#include "cli/OnCommand.h"
#include "cli/TuneCommand.h"

#include <iostream>

using namespace kavrin;
using namespace kavrin::cli;

int main(int argc, char** argv)
{
    const Result<CliOptions> parsed =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed) {
        std::cerr << "kavrin: " << parsed.reason() << '\n' << usageText();
        return 2;
    }
    const CliOptions& options = *parsed;
    switch (options.command) {
    case CliOptions::Command::List:
        return runList(options, std::cout, std::cerr);
    case CliOptions::Command::Check:
        return runCheck(options, std::cout, std::cerr);
    case CliOptions::Command::On:
        return runOn(options, std::cout, std::cerr);
    case CliOptions::Command::Tune:
        return runTune(options, std::cout, std::cerr);
    case CliOptions::Command::ImportSchedule:
        return runImportSchedule(options, std::cout, std::cerr);
    case CliOptions::Command::Backups:
        return runBackups(options, std::cout, std::cerr);
    case CliOptions::Command::Version:
        std::cout << versionText();
        return 0;
    case CliOptions::Command::Help:
        break;
    }
    std::cout << helpText();
    return 0;
}
