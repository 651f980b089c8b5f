#pragma once

#include "core/base/ORVImpl.h"
#include "core/system/Result.h"

#include <filesystem>
#include <ostream>

namespace kavrin::cli {

// Loads the station file at `path` into `base`. Fails when there is no such file, it is not a
// regular file, or it cannot be read as a station file, with a reason fit for the user ("no such
// file", or the reader's reason with its line number).
Result<> loadStationFile(const std::filesystem::path& path, ORVImpl& base);

// loadStationFile for a command that stops when it fails: then also tells `err` why, as
// "kavrin: cannot read PATH: REASON".
Result<> loadStationFile(const std::filesystem::path& path, ORVImpl& base, std::ostream& err);

} // namespace kavrin::cli
