#pragma once

#include "core/Result.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

namespace kavrin::orvale {

class DeviceLink;

// The two copy routines of the station file transfer, run on a worker thread. They touch only the
// desktop station file and the link, and report each step through `info`, which is called on the
// calling thread. The station file goes over in pieces of kPieceSize bytes; the connection is
// ended before a routine returns.
//
// The device path is the folder of the handheld program — the device registry value
// "Software\Tavrel\TavrelPPC\Main"/"ExePath", else `basePath` — followed directly by
// "Stations.xml".
class TransferWorker {
    Q_DECLARE_TR_FUNCTIONS(TransferWorker)
public:
    using Info = std::function<void(const QString& status)>;

    static constexpr std::size_t kPieceSize = 16384;

    // `basePath` is the device folder to use when the device has no "ExePath" (Orvale's
    // "PocketPC"/"BasePath", read by the caller); empty when there is none.
    TransferWorker(DeviceLink& link, std::filesystem::path desktopFile, QString basePath,
                   Info info);

    // Copies the device's station file to the desktop station file. The desktop file is replaced
    // only when the whole device file arrived, that is when it succeeds; on any failure it is as
    // it was. A failure's reason is the status line's text ("Cannot connect to PocketPC").
    Result load();

    // Copies the desktop station file to the device, replacing the device's. A failure on the
    // way may leave a partial device file where the link cannot replace files atomically.
    Result save();

private:
    std::optional<QString> devicePath();
    bool isDesktopFile(const QString& devicePath) const;

    DeviceLink& m_link;
    std::filesystem::path m_desktopFile;
    QString m_basePath;
    Info m_info;
};

} // namespace kavrin::orvale
