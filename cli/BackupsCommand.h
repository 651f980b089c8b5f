#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin backups [FILE]": prints the kept earlier versions of the station file to `out`, newest
// first, one a line as the local time of the replacement, the size in bytes and the path,
// separated by tabs, and returns 0. When there are none, says so on `err` and still returns 0.
int runBackups(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
