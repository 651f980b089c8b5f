#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin list": prints the displayed set (or, with a search text, the search result set) of the
// file to `out` in UTF-8, one row a line as name, summary and "on"/"off" separated by tabs, then
// the status line, and returns 0. When the search text matched no station at all,
// "Search results list is empty" goes to `err`. When the file cannot be read, prints why to `err`
// and returns 1.
int runList(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
