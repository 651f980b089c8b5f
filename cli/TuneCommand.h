#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace kavrin::cli {

// "kavrin tune": tunes the receiver of options.receiver to options.mhz, or to the first receive
// frequency of the station options.station of the file with the mode for its modulation
// (options.mode, when given, wins), prints "Tuned to 9.910 MHz, USB" to `out` and returns 0.
// When the station cannot be found or the receiver cannot be tuned, prints why to `err` and
// returns 1, within kReceiverAnswerLimit for each exchange with the receiver.
int runTune(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace kavrin::cli
