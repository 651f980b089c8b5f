#include "core/file/StationFileLock.h"

#include "core/system/LinkTarget.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kavrin {

StationFileLock::~StationFileLock()
{
    release();
}

std::filesystem::path StationFileLock::lockFileOf(const std::filesystem::path& stationFile)
{
    Result<std::filesystem::path> linked = followLinks(stationFile);
    std::filesystem::path file = linked ? std::move(*linked) : stationFile;
    file += ".lock";
    return file;
}

namespace {

Failure inUse(const std::filesystem::path& lockFile)
{
    return Failure{"another program holds the lock " + lockFile.string(), ResultKind::InUse};
}

Failure cannotLock(const std::filesystem::path& lockFile, const std::string& why)
{
    return Failure{"cannot lock " + lockFile.string() + ": " + why};
}

} // namespace

#ifdef _WIN32

// A file opened without sharing and deleted when its handle closes: the system closes the handle
// of a process that dies.
Result<> StationFileLock::acquire(const std::filesystem::path& stationFile)
{
    release();
    const std::filesystem::path lockFile = lockFileOf(stationFile);
    HANDLE handle =
        CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION)
            return inUse(lockFile);
        return cannotLock(lockFile, std::system_category().message(static_cast<int>(error)));
    }
    m_handle = handle;
    m_lockFile = lockFile;
    return Result<>::success();
}

void StationFileLock::release()
{
    if (m_handle != nullptr)
        CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
    m_lockFile.clear();
}

bool StationFileLock::held() const
{
    return m_handle != nullptr;
}

#else

Result<> StationFileLock::acquire(const std::filesystem::path& stationFile)
{
    release();
    const std::filesystem::path lockFile = lockFileOf(stationFile);
    // A holder removes the file as it releases the lock; the lock taken must be on the file that
    // is at the path afterwards, or a third program could lock a new file beside it.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return cannotLock(lockFile, std::strerror(errno));
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return inUse(lockFile);
            return cannotLock(lockFile, std::strerror(error));
        }
        struct stat locked {};
        struct stat atPath {};
        if (fstat(fd, &locked) == 0 && ::stat(lockFile.c_str(), &atPath) == 0 &&
            locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino) {
            m_fd = fd;
            m_lockFile = lockFile;
            return Result<>::success();
        }
        ::close(fd);
    }
    return cannotLock(lockFile, "it was replaced again and again while it was taken");
}

void StationFileLock::release()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so nobody locks the file that is about to go.
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_lockFile.clear();
}

bool StationFileLock::held() const
{
    return m_fd >= 0;
}

#endif

} // namespace kavrin
