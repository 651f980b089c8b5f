#include "tests/desktop/FakeDeviceLink.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace kavrin::orvale {

namespace {

class FakeFile final : public DeviceFile {
public:
    FakeFile(FakeDeviceLink& link, const QString& path, QByteArray& contents)
        : m_link(link), m_path(path), m_contents(contents)
    {
    }

    Result<std::size_t> read(std::span<char> buffer) override
    {
        m_link.readSizes.push_back(buffer.size());
        const std::size_t left = static_cast<std::size_t>(m_contents.size()) - m_position;
        const std::size_t count = std::min({buffer.size(), left, m_link.largestPiece});
        if (count > 0 && m_position + count > m_link.breakAfter)
            return broken();
        std::memcpy(buffer.data(), m_contents.constData() + m_position, count);
        m_position += count;
        return count;
    }

    Result<> write(std::span<const char> bytes) override
    {
        const std::size_t room = m_link.breakAfter - std::min(m_link.breakAfter, m_position);
        const std::size_t count = std::min(bytes.size(), room);
        m_contents.append(bytes.data(), static_cast<qsizetype>(count));
        m_position += count;
        return count == bytes.size() ? Result<>::success() : broken();
    }

    Result<> close() override { return Result<>::success(); }

    Result<std::filesystem::file_time_type> lastWriteTime() override
    {
        const auto time = m_link.fileTimes.find(m_path);
        if (time == m_link.fileTimes.end())
            return Failure{"the fake device keeps no time for this file"};
        return time->second;
    }

private:
    static Failure broken() { return Failure{"the fake link broke"}; }

    FakeDeviceLink& m_link;
    QString m_path;
    QByteArray& m_contents;
    std::size_t m_position = 0;
};

} // namespace

void FakeDeviceLink::setExePath(const QString& folder)
{
    registry[{QStringLiteral("Software\\Tavrel\\TavrelPPC\\Main"), QStringLiteral("ExePath")}] =
        folder;
}

void FakeDeviceLink::beginConnect()
{
    m_connecting = true;
}

bool FakeDeviceLink::waitForConnection(std::chrono::milliseconds timeout)
{
    if (!m_connecting || refuseConnection) {
        std::this_thread::sleep_for(timeout);
        return false;
    }
    connected = true;
    return true;
}

void FakeDeviceLink::disconnect()
{
    connected = false;
    m_connecting = false;
    ++disconnects;
}

std::optional<QString> FakeDeviceLink::readRegistryString(const QString& key, const QString& name)
{
    const auto value = registry.find({key, name});
    if (!connected || value == registry.end())
        return std::nullopt;
    return value->second;
}

Result<std::unique_ptr<DeviceFile>> FakeDeviceLink::openFile(const QString& devicePath)
{
    const auto file = files.find(devicePath);
    if (!connected || file == files.end() || lockedFiles.contains(devicePath))
        return Failure{"the fake device has no such file to open"};
    return std::unique_ptr<DeviceFile>(std::make_unique<FakeFile>(*this, devicePath, file->second));
}

Result<std::unique_ptr<DeviceFile>> FakeDeviceLink::createFile(const QString& devicePath)
{
    if (!connected || lockedFiles.contains(devicePath))
        return Failure{"the fake device cannot create this file"};
    QByteArray& contents = files[devicePath];
    contents.clear();
    return std::unique_ptr<DeviceFile>(std::make_unique<FakeFile>(*this, devicePath, contents));
}

} // namespace kavrin::orvale
