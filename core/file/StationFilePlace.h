#pragma once

#include <filesystem>

namespace kavrin {

// Where a program keeps its station file "Stations.xml".
struct StationFilePlace {
    std::filesystem::path file;
    // The program runs from an install tree, whose folders the user cannot write to, so the file
    // is in the user's data folder instead of beside the executable.
    bool installed = false;
};

// The place for the program whose executable file is `executable` (a full path):
// - an installed copy keeps the file in `userDataFolder`, which may not exist yet. A copy is
//   installed when its executable lies in a folder laid out as installLayout().executables,
//   beside Kavrin's data folder as installLayout().data lies beside that: so "/usr/bin" beside
//   "/usr/share/kavrin", and the same tree installed or unpacked under any other prefix;
// - every other copy, run from where it was built or unpacked, keeps it beside `executable`.
// Only looks at the file system.
StationFilePlace stationFilePlace(const std::filesystem::path& executable,
                                  const std::filesystem::path& userDataFolder);

// Where this build installs its programs and Kavrin's own data (the example station file), as
// full paths: "/usr/local/bin" and "/usr/local/share/kavrin" unless configured otherwise.
struct InstallLayout {
    std::filesystem::path executables;
    std::filesystem::path data;
};
InstallLayout installLayout();

} // namespace kavrin
