#pragma once

#include "CommandLine.h"

#include <ostream>

// "kavrin check FILE": prints the number of stations in the file (records with a name) to `out`
// and returns 0, or prints why the file cannot be read to `err` and returns 1.
int runCheck(const CliOptions& options, std::ostream& out, std::ostream& err);
