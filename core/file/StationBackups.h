#pragma once

#include "core/system/Result.h"

#include <ctime>
#include <filesystem>
#include <vector>

namespace kavrin {

// Earlier versions of a station file, kept whenever it is replaced, in a folder "Backups" beside
// it. A backup of "Stations.xml" is named "Stations-2026-05-08T13-45-07Z-001.xml": the UTC date
// and time of the replacement and a count of the replacements within that second, so that the
// names sort in the order the versions were replaced.

inline constexpr int kBackupsKept = 10;

struct StationBackup {
    std::filesystem::path path;
    std::time_t replacedUtc = 0; // when this version was replaced, from the name
};

// "Backups" in the folder of the file `stationFile` stands for (links followed; a link that
// cannot be followed is taken as it is).
std::filesystem::path backupFolderOf(const std::filesystem::path& stationFile);

// The backups of `stationFile`, newest first; empty when there are none or the folder cannot be
// read. Other files in the folder (another station file's backups, anything the user put there)
// are not listed, and never removed.
std::vector<StationBackup> listBackups(const std::filesystem::path& stationFile);

// Copies the regular file `file` (links already followed) into its backup folder, named with the
// current UTC time (readClock()), with the file's permissions and modification time, and gives
// the copy's path. The copy is complete and on disk before this returns; on failure nothing
// partial is left and the reason names the file and gives the system's reason. Nothing is written
// (and the path is empty) when there is no file at `file`. More than 999 replacements within one
// second keep the last of them under the 999th name.
Result<std::filesystem::path> keepBackup(const std::filesystem::path& file);

// Removes all but the kBackupsKept newest backups of `file`; a removal that fails is left for the
// next time.
void pruneBackups(const std::filesystem::path& file);

} // namespace kavrin
