#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin on": prints to `out` the stations of the file with a receive frequency near
// options.mhz (stationsOnFrequency, within options.toleranceKhz or the default), in the row
// format and with the status line of "kavrin list", and returns 0. When the file cannot be read,
// prints why to `err` and returns 1.
int runOn(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
