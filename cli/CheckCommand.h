#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin check FILE": prints the number of stations in the file (records with a name) to `out`
// and returns 0, or prints why the file cannot be read to `err` and returns 1.
int runCheck(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
