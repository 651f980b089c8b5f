#include "core/system/DiskSync.h"

#ifdef _WIN32
#include <io.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kavrin {

bool syncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    // A signal (a timer, a child's end) may interrupt the wait; the data is then still to be
    // written, so ask again.
    int synced = 0;
    do
        synced = fsync(fileno(file));
    while (synced != 0 && errno == EINTR);
    return synced == 0;
#endif
}

bool syncFileToDisk(const std::filesystem::path& file)
{
    std::FILE* handle = std::fopen(file.string().c_str(), "r+b");
    if (handle == nullptr)
        return false;
    const bool synced = syncToDisk(handle);
    return std::fclose(handle) == 0 && synced;
}

void syncFolder([[maybe_unused]] const std::filesystem::path& folder)
{
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
#endif
}

bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
              std::filesystem::copy_options options, std::error_code& error)
{
    bool copied = std::filesystem::copy_file(from, to, options, error);
    while (error == std::errc::interrupted) {
        error.clear();
        copied = std::filesystem::copy_file(
            from, to, options | std::filesystem::copy_options::overwrite_existing, error);
    }
    return copied;
}

} // namespace kavrin
