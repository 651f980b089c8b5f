#pragma once

#include "core/file/StationFileLock.h"
#include "core/system/Result.h"

#include <filesystem>

namespace kavrin::orvale {

// Takes `lock` for `stationFile` at start-up. When another Orvale has the file open, says so in a
// warning box and fails with Kind::InUse: the caller then brings nothing up. Where no lock can be
// had at all (a folder that takes no file), Orvale runs without one and this succeeds.
Result<> claimStationFile(StationFileLock& lock, const std::filesystem::path& stationFile);

} // namespace kavrin::orvale
