// kavrin: the station core on the command line, for scripts and for checking a station file
// without a display.

#include "cli/BackupsCommand.h"
#include "cli/CheckCommand.h"
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
    const ParsedCommandLine parsed =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "kavrin: " << parsed.error << '\n' << usageText();
        return 2;
    }
    switch (parsed.options.command) {
    case CliOptions::Command::List:
        return runList(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::Check:
        return runCheck(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::On:
        return runOn(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::Tune:
        return runTune(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::ImportSchedule:
        return runImportSchedule(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::Backups:
        return runBackups(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::Version:
        std::cout << versionText();
        return 0;
    case CliOptions::Command::Help:
        break;
    }
    std::cout << helpText();
    return 0;
}
