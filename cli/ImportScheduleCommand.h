#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin import-schedule SCHEDULE OUT": imports the schedule text file into a new station base
// and saves it to OUT. Lines that cannot be read go to `err` as "Cannot parse string: N: LINE".
// Prints the number of stations imported to `out` and returns 0, or says why to `err` and returns
// 1 (the schedule could not be opened or is not a schedule, or OUT could not be written).
int runImportSchedule(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
