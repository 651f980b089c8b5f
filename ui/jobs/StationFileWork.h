#pragma once

#include "core/file/FileFingerprint.h"
#include "core/file/LoadProgress.h"
#include "core/system/Result.h"
#include "ui/jobs/BackgroundJob.h"

#include <filesystem>

namespace kavrin {

class ORVImpl;

// What a load or a save of the station file came to: how it went, and the file as the load read
// it (taken before the load, so that a change made while it was read shows as one later) or as the
// save wrote it (taken at once after a save that succeeded; after a failed save it says nothing).
struct StationFileOutcome {
    Result<> result = Result<>::success();
    FileFingerprint file;
};

// Saves `base` to `path` on the calling thread, reporting progress like ORVImpl::Save.
StationFileOutcome saveStations(const ORVImpl& base, const std::filesystem::path& path,
                                const ProgressNotify& notify = {}, int progressCommand = 0);

// The station file's load and save as work for a BackgroundJob. Each progress step is sent as the
// notice `progressCommand` with the percentage (g_loadProgress) as its count, so the worker waits
// until the window has shown it. While the work runs it has `base` to itself.
using StationFileJob = BackgroundJob<StationFileOutcome>;

// Loads the file at `path` into `base`. A file that does not exist leaves the base as it is and
// counts as success: there is nothing to load yet.
StationFileJob::Work loadStationsWork(ORVImpl& base, std::filesystem::path path,
                                      int progressCommand);

// Saves `base` to `path` (saveStations).
StationFileJob::Work saveStationsWork(const ORVImpl& base, std::filesystem::path path,
                                      int progressCommand);

} // namespace kavrin
