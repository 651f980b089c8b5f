#pragma once

#include "ui/jobs/BackgroundJob.h"

#include <filesystem>

namespace kavrin {

class ORVImpl;

// The station file's load and save as work for a BackgroundJob. Each progress step is sent as the
// notice `progressCommand` with the percentage (g_loadProgress) as its count, so the worker waits
// until the window has shown it. While the work runs it has `base` to itself.

// Loads the file at `path` into `base`. A file that does not exist leaves the base as it is and
// counts as success: there is nothing to load yet.
BackgroundJob::Work loadStationsWork(ORVImpl& base, std::filesystem::path path,
                                     int progressCommand);

// Saves `base` to `path`.
BackgroundJob::Work saveStationsWork(const ORVImpl& base, std::filesystem::path path,
                                     int progressCommand);

} // namespace kavrin
