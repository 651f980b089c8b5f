#include "ui/platform/StationFileFolder.h"

#include <QStandardPaths>

#include <system_error>

namespace kavrin {

StationFilePlace programStationFilePlace(const QString& executablePath)
{
    return stationFilePlace(
        executablePath.toStdU16String(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String());
}

void makeStationFileFolder(const StationFilePlace& place)
{
    if (!place.installed)
        return;
    std::error_code ignored;
    std::filesystem::create_directories(place.file.parent_path(), ignored);
}

} // namespace kavrin
