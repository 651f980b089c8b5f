#pragma once

#include "core/file/StationFilePlace.h"

#include <QString>

namespace kavrin {

// Where the program at `executablePath` keeps "Stations.xml" (stationFilePlace): beside itself
// when run from where it was built or unpacked, in the application's data folder
// (QStandardPaths' AppDataLocation) when installed.
StationFilePlace programStationFilePlace(const QString& executablePath);

// Makes the folder of an installed copy's station file when it is missing. A folder that cannot be
// made is left to the first save, which reports why it failed.
void makeStationFileFolder(const StationFilePlace& place);

} // namespace kavrin
