// kavrin: the station core on the command line, for scripts and for checking a station file
// without a display.

#include "CheckCommand.h"
#include "CommandLine.h"
#include "ImportScheduleCommand.h"
#include "ListCommand.h"

#include <iostream>

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
    case CliOptions::Command::ImportSchedule:
        return runImportSchedule(parsed.options, std::cout, std::cerr);
    case CliOptions::Command::Help:
        break;
    }
    std::cout << helpText();
    return 0;
}
