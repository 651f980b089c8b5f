#include "desktop/TransferWorker.h"

#include "core/file/AtomicFile.h"
#include "desktop/DeviceLink.h"

#include <fstream>
#include <string_view>
#include <vector>

namespace kavrin::orvale {

using namespace std::chrono_literals;

namespace {

const QString kTavrelKey = QStringLiteral("Software\\Tavrel\\TavrelPPC\\Main");

// The link connection of one routine: ended on every way out, if it came up.
class LinkConnection {
public:
    explicit LinkConnection(DeviceLink& link) : m_link(link) {}
    ~LinkConnection()
    {
        if (m_initialised)
            m_link.disconnect();
    }
    LinkConnection(const LinkConnection&) = delete;
    LinkConnection& operator=(const LinkConnection&) = delete;

    // Gives the link about two seconds to come up.
    bool connect()
    {
        if (m_initialised)
            return true;
        m_link.beginConnect();
        for (int wait = 0; wait < 10 && !m_initialised; ++wait)
            m_initialised = m_link.waitForConnection(200ms);
        return m_initialised;
    }

private:
    DeviceLink& m_link;
    bool m_initialised = false;
};

Failure failure(const QString& status)
{
    return Failure{status.toStdString()};
}

} // namespace

TransferWorker::TransferWorker(DeviceLink& link, std::filesystem::path desktopFile,
                               QString basePath, Info info, std::optional<FileFingerprint> expected)
    : m_link(link), m_desktopFile(std::move(desktopFile)), m_basePath(std::move(basePath)),
      m_info(std::move(info)), m_expected(std::move(expected))
{
}

Result<> TransferWorker::load()
{
    m_info(tr("Connecting..."));
    LinkConnection connection(m_link);
    if (!connection.connect())
        return failure(tr("Cannot connect to PocketPC"));
    const Result<QString> path = devicePath();
    if (!path)
        return path.error();
    if (isDesktopFile(*path))
        return failure(tr("Error: 'Stations.xml' on PocketPC is the desktop file itself"));
    const Result<std::unique_ptr<DeviceFile>> opened = m_link.openFile(*path);
    if (!opened)
        return failure(tr("Error: Cannot open file 'Stations.xml' on PocketPC"));
    DeviceFile& deviceFile = **opened;

    // The station file is replaced only once the whole device file arrived.
    AtomicFileWriter desktopFile(m_desktopFile);
    const QString cannotWrite = tr("Error: Cannot write file 'Stations.xml' on desktop");
    if (!desktopFile.open())
        return failure(cannotWrite);
    std::vector<char> piece(kPieceSize);
    FingerprintBuilder received;
    qint64 total = 0;
    for (;;) {
        const Result<std::size_t> count = deviceFile.read(piece);
        if (!count)
            return failure(tr("Error: Transfer interrupted"));
        if (*count == 0)
            break;
        total += static_cast<qint64>(*count);
        m_info(tr("Read data from PocketPC: %1 bytes").arg(total));
        const std::string_view bytes(piece.data(), *count);
        received.add(bytes);
        if (!desktopFile.write(bytes))
            return failure(cannotWrite);
    }
    // Nothing was written to it: a failing close loses nothing.
    static_cast<void>(deviceFile.close());
    // As late as it can be: a change made while the device file was read still stops the load.
    const FileFingerprint desktopNow = takeFingerprint(m_desktopFile);
    if (stopsBeforeReplacing({desktopNow, modifiedText(desktopNow)}, received.fingerprint()))
        return failure(tr("Stopped: the list on desktop was changed since the last transfer"));
    if (!desktopFile.commit())
        return failure(cannotWrite);
    m_transferred = received.fingerprint();
    return Result<>::success();
}

Result<> TransferWorker::save()
{
    m_info(tr("Connecting..."));
    LinkConnection connection(m_link);
    if (!connection.connect())
        return failure(tr("Cannot connect to PocketPC"));
    m_info(tr("Save stations list on PocketPC"));
    std::ifstream desktopFile(m_desktopFile, std::ios::binary);
    if (!desktopFile)
        return failure(tr("Error: Cannot open file 'Stations.xml' on desktop"));
    const Result<QString> path = devicePath();
    if (!path)
        return path.error();
    if (isDesktopFile(*path))
        return failure(tr("Error: 'Stations.xml' on PocketPC is the desktop file itself"));
    const QString interrupted = tr("Error: Transfer interrupted");
    if (m_expected) {
        const Result<ChangedFile> deviceNow = deviceFileNow(*path);
        if (!deviceNow)
            return failure(interrupted);
        if (stopsBeforeReplacing(*deviceNow, takeFingerprint(m_desktopFile)))
            return failure(tr("Stopped: the list on PocketPC was changed since the last transfer"));
    }
    const Result<std::unique_ptr<DeviceFile>> created = m_link.createFile(*path);
    if (!created)
        return failure(tr("Error: Cannot create file 'Stations.xml' on PocketPC"));
    DeviceFile& deviceFile = **created;

    std::vector<char> piece(kPieceSize);
    FingerprintBuilder sent;
    qint64 total = 0;
    while (desktopFile) {
        desktopFile.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        const auto count = static_cast<std::size_t>(desktopFile.gcount());
        if (desktopFile.bad())
            return failure(interrupted);
        if (count == 0)
            break;
        total += static_cast<qint64>(count);
        m_info(tr("Save data on PocketPC: %1 bytes saved").arg(total));
        if (!deviceFile.write(std::span<const char>(piece.data(), count)))
            return failure(interrupted);
        sent.add(std::string_view(piece.data(), count));
    }
    if (!deviceFile.close())
        return failure(interrupted);
    m_transferred = sent.fingerprint();
    return Result<>::success();
}

Result<ChangedFile> TransferWorker::deviceFileNow(const QString& devicePath)
{
    const Result<std::unique_ptr<DeviceFile>> opened = m_link.openFile(devicePath);
    if (!opened)
        return ChangedFile{}; // missing (or locked, and then it cannot be replaced either)
    DeviceFile& file = **opened;
    FingerprintBuilder bytes;
    std::vector<char> piece(kPieceSize);
    for (;;) {
        const Result<std::size_t> count = file.read(piece);
        if (!count)
            return count.error();
        if (*count == 0)
            break;
        bytes.add(std::string_view(piece.data(), *count));
    }
    const Result<std::filesystem::file_time_type> written = file.lastWriteTime();
    // Only read: a failing close loses nothing.
    static_cast<void>(file.close());
    const FileFingerprint now =
        bytes.fingerprint(written ? *written : std::filesystem::file_time_type{});
    return ChangedFile{now, written ? modifiedText(now) : std::string()};
}

bool TransferWorker::stopsBeforeReplacing(const ChangedFile& target,
                                          const FileFingerprint& replacement)
{
    // A file that is not there, or holds the very bytes that replace it, loses nothing.
    if (!m_expected || target.now.state == FileFingerprint::State::Missing ||
        !changedSince(*m_expected, target.now) || !changedSince(replacement, target.now))
        return false;
    m_changedFile = target;
    return true;
}

Result<QString> TransferWorker::devicePath()
{
    std::optional<QString> folder =
        m_link.readRegistryString(kTavrelKey, QStringLiteral("ExePath"));
    if (!folder || folder->isEmpty())
        folder = m_basePath;
    if (folder->isEmpty())
        return failure(tr("Error: PocketPC version is not installed"));
    // No separator is added: "ExePath" ends in one.
    return *folder + QStringLiteral("Stations.xml");
}

bool TransferWorker::isDesktopFile(const QString& devicePath) const
{
    const std::optional<std::filesystem::path> local = m_link.localPath(devicePath);
    std::error_code missing;
    return local && std::filesystem::equivalent(*local, m_desktopFile, missing);
}

} // namespace kavrin::orvale
