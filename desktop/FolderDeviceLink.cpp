#include "desktop/FolderDeviceLink.h"

#include "core/file/AtomicFile.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace kavrin::orvale {

namespace {

const QString kDeviceFolderKey = QStringLiteral("PocketPC/DeviceFolder");

std::filesystem::path toPath(const QString& text)
{
    return text.toStdU16String();
}

Failure notConnected()
{
    return Failure{"the device is not connected"};
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class ReadFile final : public DeviceFile {
public:
    // Opens `path`; fails with the system's reason.
    static Result<std::unique_ptr<DeviceFile>> open(const std::filesystem::path& path)
    {
        std::FILE* in = std::fopen(path.string().c_str(), "rb");
        if (in == nullptr)
            return Failure{"cannot open " + path.string() + ": " + std::strerror(errno)};
        return std::unique_ptr<DeviceFile>(new ReadFile(path, in));
    }

    Result<std::size_t> read(std::span<char> buffer) override
    {
        if (!m_in)
            return Failure{m_path.string() + " is closed"};
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), m_in.get());
        if (count < buffer.size() && std::ferror(m_in.get()))
            return Failure{"cannot read " + m_path.string() + ": " + std::strerror(errno)};
        return count;
    }

    Result<> write(std::span<const char>) override
    {
        return Failure{m_path.string() + " is open for reading"};
    }

    Result<> close() override
    {
        m_in.reset();
        return Result<>::success();
    }

    Result<std::filesystem::file_time_type> lastWriteTime() override
    {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(m_path, error);
        if (error)
            return Failure{"cannot read the time of " + m_path.string() + ": " + error.message()};
        return time;
    }

private:
    ReadFile(std::filesystem::path path, std::FILE* in) : m_path(std::move(path)), m_in(in) {}

    std::filesystem::path m_path;
    std::unique_ptr<std::FILE, FileCloser> m_in;
};

class ReplaceFile final : public DeviceFile {
public:
    // Starts the replacement of `path`; fails with the writer's reason.
    static Result<std::unique_ptr<DeviceFile>> create(const std::filesystem::path& path)
    {
        std::unique_ptr<ReplaceFile> file(new ReplaceFile(path));
        if (const Result<> opened = file->m_writer.open(); !opened)
            return opened.error();
        return std::unique_ptr<DeviceFile>(std::move(file));
    }

    Result<std::size_t> read(std::span<char>) override
    {
        return Failure{m_path.string() + " is open for writing"};
    }

    Result<> write(std::span<const char> bytes) override
    {
        return m_writer.write(std::string_view(bytes.data(), bytes.size()));
    }

    Result<> close() override { return m_writer.commit(); }

    Result<std::filesystem::file_time_type> lastWriteTime() override
    {
        return Failure{m_path.string() + " is open for writing"};
    }

private:
    explicit ReplaceFile(const std::filesystem::path& path) : m_path(path), m_writer(path) {}

    std::filesystem::path m_path;
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

Result<std::unique_ptr<DeviceFile>> FolderDeviceLink::openFile(const QString& devicePath)
{
    if (!m_connected)
        return notConnected();
    return ReadFile::open(underMount(toPath(devicePath)));
}

Result<std::unique_ptr<DeviceFile>> FolderDeviceLink::createFile(const QString& devicePath)
{
    if (!m_connected)
        return notConnected();
    return ReplaceFile::create(underMount(toPath(devicePath)));
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
