#include "desktop/StationFileClaim.h"

#include "ui/platform/Prompts.h"

#include <QCoreApplication>

namespace kavrin::orvale {

Result<> claimStationFile(StationFileLock& lock, const std::filesystem::path& stationFile)
{
    Result<> locked = lock.acquire(stationFile);
    if (locked.kind() != ResultKind::InUse)
        return Result<>::success();
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("StationFileClaim", text);
    };
    prompts().message(nullptr,
                      tr("Stations list is already open in another Orvale window.\n%1")
                          .arg(QString::fromStdU16String(stationFile.u16string())),
                      tr("Warning"), QMessageBox::Warning, QMessageBox::Ok);
    return locked;
}

} // namespace kavrin::orvale
