#include "desktop/FolderDeviceLink.h"

#include "core/file/AtomicFile.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <fstream>
#include <thread>

namespace kavrin::orvale {

namespace {

const QString kDeviceFolderKey = QStringLiteral("PocketPC/DeviceFolder");

std::filesystem::path toPath(const QString& text)
{
    return text.toStdU16String();
}

class ReadFile final : public DeviceFile {
public:
    explicit ReadFile(const std::filesystem::path& path)
        : m_path(path), m_in(path, std::ios::binary)
    {
    }

    bool isOpen() const { return m_in.is_open(); }

    std::optional<std::size_t> read(std::span<char> buffer) override
    {
        if (!m_in.is_open() || m_in.bad())
            return std::nullopt;
        if (m_in.eof())
            return 0;
        m_in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (m_in.bad())
            return std::nullopt;
        return static_cast<std::size_t>(m_in.gcount());
    }

    bool write(std::span<const char>) override { return false; }

    bool close() override
    {
        m_in.close();
        return true;
    }

    std::optional<std::filesystem::file_time_type> lastWriteTime() override
    {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(m_path, error);
        return error ? std::nullopt : std::optional(time);
    }

private:
    std::filesystem::path m_path;
    std::ifstream m_in;
};

class ReplaceFile final : public DeviceFile {
public:
    explicit ReplaceFile(const std::filesystem::path& path) : m_writer(path) {}

    bool open() { return m_writer.open().ok(); }

    std::optional<std::size_t> read(std::span<char>) override { return std::nullopt; }

    bool write(std::span<const char> bytes) override
    {
        return m_writer.write(std::string_view(bytes.data(), bytes.size())).ok();
    }

    bool close() override { return m_writer.commit().ok(); }

    std::optional<std::filesystem::file_time_type> lastWriteTime() override { return std::nullopt; }

private:
    AtomicFileWriter m_writer;
};

} // namespace

FolderDeviceLink::FolderDeviceLink(const QSettings& orvaleProfile)
    : m_mount(toPath(orvaleProfile.value(kDeviceFolderKey).toString()))
{
}

void FolderDeviceLink::beginConnect()
{
    std::error_code ignored;
    m_connected = m_mount.empty() || std::filesystem::is_directory(m_mount, ignored);
}

bool FolderDeviceLink::waitForConnection(std::chrono::milliseconds timeout)
{
    // An absent device never answers: the wait runs out like a link that is not there.
    if (!m_connected)
        std::this_thread::sleep_for(timeout);
    return m_connected;
}

void FolderDeviceLink::disconnect()
{
    m_connected = false;
}

std::optional<QString> FolderDeviceLink::readRegistryString(const QString& key, const QString& name)
{
    const QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!m_connected || parts.size() < 3 ||
        parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString& organisation = parts[1];
    const QString& application = parts[2];
    QStringList valuePath = parts.mid(3);
    valuePath << name;

    std::unique_ptr<QSettings> profile;
    if (m_mount.empty()) {
        profile = std::make_unique<QSettings>(organisation, application);
    } else {
        const std::filesystem::path file = profileFile(organisation, application);
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(file, ignored))
            return std::nullopt;
        profile = std::make_unique<QSettings>(QString::fromStdU16String(file.u16string()),
                                              QSettings::IniFormat);
    }
    const QVariant value = profile->value(valuePath.join(QLatin1Char('/')));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

std::unique_ptr<DeviceFile> FolderDeviceLink::openFile(const QString& devicePath)
{
    if (!m_connected)
        return nullptr;
    auto file = std::make_unique<ReadFile>(underMount(toPath(devicePath)));
    if (!file->isOpen())
        return nullptr;
    return file;
}

std::unique_ptr<DeviceFile> FolderDeviceLink::createFile(const QString& devicePath)
{
    if (!m_connected)
        return nullptr;
    auto file = std::make_unique<ReplaceFile>(underMount(toPath(devicePath)));
    if (!file->open())
        return nullptr;
    return file;
}

std::optional<std::filesystem::path> FolderDeviceLink::localPath(const QString& devicePath) const
{
    return underMount(toPath(devicePath));
}

std::filesystem::path FolderDeviceLink::profileFile(const QString& organisation,
                                                    const QString& application) const
{
    if (m_mount.empty())
        return {};
    // Where QSettings keeps a user's profile on this kind of system.
    const QString here = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + organisation + QLatin1Char('/') + application +
                         QLatin1String(".conf");
    return underMount(toPath(here));
}

std::filesystem::path FolderDeviceLink::underMount(const std::filesystem::path& devicePath) const
{
    return m_mount.empty() ? devicePath : m_mount / devicePath.relative_path();
}

} // namespace kavrin::orvale
