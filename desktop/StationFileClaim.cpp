#include "desktop/StationFileClaim.h"

#include "ui/platform/Prompts.h"

#include <QCoreApplication>

namespace kavrin::orvale {

bool claimStationFile(StationFileLock& lock, const std::filesystem::path& stationFile)
{
    if (lock.acquire(stationFile) != StationFileLock::Outcome::InUse)
        return true;
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("StationFileClaim", text);
    };
    prompts().message(nullptr,
                      tr("Stations list is already open in another Orvale window.\n%1")
                          .arg(QString::fromStdU16String(stationFile.u16string())),
                      tr("Warning"), QMessageBox::Warning, QMessageBox::Ok);
    return false;
}

} // namespace kavrin::orvale
