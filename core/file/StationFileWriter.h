#pragma once

#include "core/file/LoadProgress.h"
#include "core/station/FreqInfo.h"
#include "core/system/Result.h"

#include <filesystem>
#include <span>

namespace kavrin {

// Writes every record that has a name to the station file at `path`, in order, through the
// atomic replace of core/file/AtomicFile.h: on failure whatever was at `path` is left as it was.
// Reports progress like readStationFile, over all records, unused ones included.
Result<> writeStationFile(const std::filesystem::path& path, std::span<const FreqInfo> records,
                          const ProgressNotify& notify, int notifyCommand);

} // namespace kavrin
