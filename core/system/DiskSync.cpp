#include "core/system/DiskSync.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kavrin {

Result<> syncToDisk(std::FILE* file)
{
#ifdef _WIN32
    if (_commit(_fileno(file)) == 0)
        return Result<>::success();
#else
    // A signal (a timer, a child's end) may interrupt the wait; the data is then still to be
    // written, so ask again.
    int synced = 0;
    do
        synced = fsync(fileno(file));
    while (synced != 0 && errno == EINTR);
    if (synced == 0)
        return Result<>::success();
#endif
    return Failure{std::strerror(errno)};
}

Result<> syncFileToDisk(const std::filesystem::path& file)
{
    const auto cannotWrite = [&file](const std::string& why) {
        return Failure{"cannot write " + file.string() + ": " + why};
    };
    std::FILE* handle = std::fopen(file.string().c_str(), "r+b");
    if (handle == nullptr)
        return cannotWrite(std::strerror(errno));
    const Result<> synced = syncToDisk(handle);
    const bool closed = std::fclose(handle) == 0;
    const int closeError = errno;
    if (!synced)
        return cannotWrite(synced.reason());
    if (!closed)
        return cannotWrite(std::strerror(closeError));
    return Result<>::success();
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

Result<> copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::filesystem::copy_options options)
{
    std::error_code error;
    bool copied = std::filesystem::copy_file(from, to, options, error);
    while (error == std::errc::interrupted) {
        error.clear();
        copied = std::filesystem::copy_file(
            from, to, options | std::filesystem::copy_options::overwrite_existing, error);
    }
    if (copied)
        return Result<>::success();
    return Failure{"cannot copy " + from.string() + " to " + to.string() + ": " +
                   (error ? error.message() : std::string("the copy exists already"))};
}

} // namespace kavrin
