#include "core/file/StationFileLock.h"

#include "core/system/LinkTarget.h"

#include <cerrno>

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
    std::error_code error;
    std::filesystem::path file = followLinks(stationFile, error);
    if (error)
        file = stationFile;
    file += ".lock";
    return file;
}

#ifdef _WIN32

// A file opened without sharing and deleted when its handle closes: the system closes the handle
// of a process that dies.
StationFileLock::Outcome StationFileLock::acquire(const std::filesystem::path& stationFile)
{
    release();
    const std::filesystem::path lockFile = lockFileOf(stationFile);
    HANDLE handle =
        CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Outcome::InUse : Outcome::Unavailable;
    m_handle = handle;
    m_lockFile = lockFile;
    return Outcome::Held;
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

StationFileLock::Outcome StationFileLock::acquire(const std::filesystem::path& stationFile)
{
    release();
    const std::filesystem::path lockFile = lockFileOf(stationFile);
    // A holder removes the file as it releases the lock; the lock taken must be on the file that
    // is at the path afterwards, or a third program could lock a new file beside it.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return Outcome::Unavailable;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Outcome::InUse : Outcome::Unavailable;
        }
        struct stat locked {};
        struct stat atPath {};
        if (fstat(fd, &locked) == 0 && ::stat(lockFile.c_str(), &atPath) == 0 &&
            locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino) {
            m_fd = fd;
            m_lockFile = lockFile;
            return Outcome::Held;
        }
        ::close(fd);
    }
    return Outcome::Unavailable;
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
