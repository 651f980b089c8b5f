#pragma once

#include "core/file/FileFingerprint.h"
#include "core/system/Result.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kavrin::orvale {

class DeviceLink;

// The file a transfer was about to replace, found changed since the last transfer.
struct ChangedFile {
    FileFingerprint now;   // the file as it is: what the user agrees to lose by going on
    std::string changedAt; // when it was last written, as modifiedText() shows it; empty: unknown
};

// The two copy routines of the station file transfer, run on a worker thread. They touch only the
// desktop station file and the link, and report each step through `info`, which is called on the
// calling thread. The station file goes over in pieces of kPieceSize bytes; the connection is
// ended before a routine returns.
//
// The device path is the folder of the handheld program — the device registry value
// "Software\Tavrel\TavrelPPC\Main"/"ExePath", else `basePath` — followed directly by
// "Stations.xml".
//
// Before a routine replaces a file (the desktop file for load(), the device file for save()) it
// compares that file with `expected`, the same file as the last transfer left it or as the user
// agreed to replace it. When the file holds something else — and not the very bytes that would
// replace it — the routine stops before replacing anything, fails, and changedFile() tells how
// the file is now. Without `expected` the file is replaced whatever it holds.
class TransferWorker {
    Q_DECLARE_TR_FUNCTIONS(TransferWorker)
public:
    using Info = std::function<void(const QString& status)>;

    static constexpr std::size_t kPieceSize = 16384;

    // `basePath` is the device folder to use when the device has no "ExePath" (Orvale's
    // "PocketPC"/"BasePath", read by the caller); empty when there is none.
    TransferWorker(DeviceLink& link, std::filesystem::path desktopFile, QString basePath, Info info,
                   std::optional<FileFingerprint> expected = std::nullopt);

    // Copies the device's station file to the desktop station file. The desktop file is replaced
    // only when the whole device file arrived, that is when it succeeds; on any failure it is as
    // it was. A failure's reason is the status line's text ("Cannot connect to PocketPC").
    Result<> load();

    // Copies the desktop station file to the device, replacing the device's. A failure on the
    // way may leave a partial device file where the link cannot replace files atomically.
    Result<> save();

    // Set when the routine stopped because the file it would replace changed.
    const std::optional<ChangedFile>& changedFile() const { return m_changedFile; }

    // After a routine succeeded: the bytes that went over, which both sides now hold.
    const FileFingerprint& transferred() const { return m_transferred; }

private:
    Result<QString> devicePath();
    bool isDesktopFile(const QString& devicePath) const;
    Result<ChangedFile> deviceFileNow(const QString& devicePath);
    bool stopsBeforeReplacing(const ChangedFile& target, const FileFingerprint& replacement);

    DeviceLink& m_link;
    std::filesystem::path m_desktopFile;
    QString m_basePath;
    Info m_info;
    std::optional<FileFingerprint> m_expected;
    std::optional<ChangedFile> m_changedFile;
    FileFingerprint m_transferred;
};

} // namespace kavrin::orvale
