#pragma once

#include "core/file/LoadProgress.h"
#include "core/station/FreqInfo.h"
#include "core/system/Result.h"

#include <filesystem>
#include <vector>

namespace kavrin {

// The stations of the station file at `path`, in file order: every child element of FREQS_LIST
// is one record, one without a name an unused one. Succeeds only when the whole file was read;
// a failure's reason is short, with the line number where the parser gives one. Reports progress
// through g_loadProgress and `notify` (if set) with `notifyCommand`. Never loads external
// entities or DTDs, never touches the network.
Result<std::vector<FreqInfo>> readStationFile(const std::filesystem::path& path,
                                              const ProgressNotify& notify, int notifyCommand);

} // namespace kavrin
