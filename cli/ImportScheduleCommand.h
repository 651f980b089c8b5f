#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin import-schedule [--add] SCHEDULE OUT": reads the schedule (any format readScheduleFile
// knows) and saves its stations to OUT, replacing what OUT held, or, with --add, merges them into
// the station file OUT (mergeSchedule). Lines that cannot be read go to `err` as
// "Cannot parse string: N: REASON: LINE" (the first kListedSkippedLines of them; then how many
// more there were). Prints "N stations imported" or
// "N added, M updated, K unchanged" to `out` and returns 0, or says why to `err` and returns 1
// (the schedule could not be opened or is not a schedule, OUT could not be read for --add, or
// could not be written); OUT is written only once the result is complete, so on failure it is as
// it was.
int runImportSchedule(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
