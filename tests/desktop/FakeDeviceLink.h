#pragma once

#include "desktop/DeviceLink.h"

#include <QByteArray>

#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace kavrin::orvale {

// A handheld in memory. The test sets up the device and its faults before a transfer starts and
// reads what happened after the transfer ended; the link does not lock. Files are written
// directly, as a link that cannot rename does.
class FakeDeviceLink : public DeviceLink {
public:
    // The device.
    bool refuseConnection = false;                                // never comes up
    std::map<std::pair<QString, QString>, QString> registry;      // (key, value name) -> string
    std::map<QString, QByteArray> files;                          // device path -> contents
    std::set<QString> lockedFiles;                                // cannot be opened or created
    std::map<QString, std::filesystem::file_time_type> fileTimes; // last written; none: unknown
    // The most bytes one read gives.
    std::size_t largestPiece = std::numeric_limits<std::size_t>::max();
    // The link breaks once a read or write would take a file past this many bytes.
    std::size_t breakAfter = std::numeric_limits<std::size_t>::max();

    // What the transfer did.
    bool connected = false;
    int disconnects = 0;
    std::vector<std::size_t> readSizes; // the buffer size of each read

    void setExePath(const QString& folder);

    void beginConnect() override;
    bool waitForConnection(std::chrono::milliseconds timeout) override;
    void disconnect() override;
    std::optional<QString> readRegistryString(const QString& key, const QString& name) override;
    Result<std::unique_ptr<DeviceFile>> openFile(const QString& devicePath) override;
    Result<std::unique_ptr<DeviceFile>> createFile(const QString& devicePath) override;
    std::optional<std::filesystem::path> localPath(const QString&) const override { return {}; }

private:
    bool m_connecting = false;
};

} // namespace kavrin::orvale
