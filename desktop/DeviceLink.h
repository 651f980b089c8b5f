#pragma once

#include "core/system/Result.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace kavrin::orvale {

// One open file on the handheld device.
class DeviceFile {
public:
    // Closes the file if close() was not called. A file created for writing that is dropped
    // without close() is abandoned: a link that replaces files atomically keeps the old file,
    // any other leaves what was written so far.
    virtual ~DeviceFile() = default;

    // Failures say why: the link's or the system's reason.

    // Reads up to buffer.size() bytes: the count read, 0 at the end of the file. Fails when the
    // link or the file failed.
    virtual Result<std::size_t> read(std::span<char> buffer) = 0;

    // Writes all of `bytes`; fails when the link or the file failed.
    virtual Result<> write(std::span<const char> bytes) = 0;

    // Closes the file. For a file created for writing, succeeds only when everything written is
    // in place on the device (a link that replaces atomically replaces the old file now).
    virtual Result<> close() = 0;

    // When a file opened for reading was last written; fails when the link cannot tell.
    virtual Result<std::filesystem::file_time_type> lastWriteTime() = 0;
};

// The desktop–device link: the few calls the station file transfer makes to the handheld. One
// link serves one transfer at a time, called from the transfer's worker thread only.
class DeviceLink {
public:
    virtual ~DeviceLink() = default;

    // Starts connecting to the device; waitForConnection() tells when the link is up.
    virtual void beginConnect() = 0;

    // Waits at most `timeout` for the connection begun by beginConnect(); true once it is up.
    virtual bool waitForConnection(std::chrono::milliseconds timeout) = 0;

    // Ends a connection that came up.
    virtual void disconnect() = 0;

    // The string value `name` of the device registry key `key` under the current user (a path
    // such as "Software\Tavrel\TavrelPPC\Main"), whole, whatever its length. std::nullopt when
    // the key or the value does not exist.
    virtual std::optional<QString> readRegistryString(const QString& key, const QString& name) = 0;

    // Opens an existing device file for reading (others may read it meanwhile); fails when it is
    // missing or locked.
    virtual Result<std::unique_ptr<DeviceFile>> openFile(const QString& devicePath) = 0;

    // Creates a device file for writing, replacing any old one; fails when it cannot.
    virtual Result<std::unique_ptr<DeviceFile>> createFile(const QString& devicePath) = 0;

    // The file on this computer that `devicePath` names, when the device's files are reachable
    // here; std::nullopt otherwise.
    virtual std::optional<std::filesystem::path> localPath(const QString& devicePath) const = 0;
};

} // namespace kavrin::orvale
