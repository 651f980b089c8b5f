#pragma once

#include "desktop/DeviceLink.h"

class QSettings;

namespace kavrin::orvale {

// A device whose file system is reachable as a folder on this computer.
//
// By default the device is this computer itself: the handheld program installed here for the same
// user. Its registry is that program's profile — the registry key
// "Software\<organisation>\<application>\<group>" is the group <group> of
// QSettings(<organisation>, <application>) — and device paths are local paths.
//
// A device mounted elsewhere is named by the string value "DeviceFolder" in the section
// "PocketPC" of Orvale's profile: the folder where the device's root is mounted. The device then
// has the same layout as this computer below that folder: a device path "/a/b" is the file
// "<folder>/a/b", and the device profile is the INI file at the place this computer's user keeps
// that profile, below the folder (for example "<folder>/home/me/.config/Tavrel/TavrelPPC.conf").
// A configured folder that does not exist means the device is not connected.
//
// Files created on the device are written to a temporary file beside the target and renamed
// over it when closed, so a broken copy leaves the old file whole.
class FolderDeviceLink : public DeviceLink {
public:
    // Reads "PocketPC"/"DeviceFolder" from `orvaleProfile` now, on the calling thread.
    explicit FolderDeviceLink(const QSettings& orvaleProfile);

    void beginConnect() override;
    bool waitForConnection(std::chrono::milliseconds timeout) override;
    void disconnect() override;
    std::optional<QString> readRegistryString(const QString& key, const QString& name) override;
    Result<std::unique_ptr<DeviceFile>> openFile(const QString& devicePath) override;
    Result<std::unique_ptr<DeviceFile>> createFile(const QString& devicePath) override;
    std::optional<std::filesystem::path> localPath(const QString& devicePath) const override;

    // The mounted device's profile file of <organisation>/<application>; empty for this computer,
    // whose profiles are QSettings' own.
    std::filesystem::path profileFile(const QString& organisation,
                                      const QString& application) const;

private:
    std::filesystem::path underMount(const std::filesystem::path& devicePath) const;

    std::filesystem::path m_mount; // empty: the device is this computer
    bool m_connected = false;
};

} // namespace kavrin::orvale
