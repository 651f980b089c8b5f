#pragma once

#include <string>

namespace kavrin::cli {

// The tool's help, written from its table of commands and options (CliReference.h).

// The one-line synopsis printed with every command-line error: each form of each command.
std::string usageText();

// The full help: the synopsis, every command and option with what it does, and the exit
// statuses, in lines of at most 95 characters (the synopsis excepted).
std::string helpText();

} // namespace kavrin::cli
