#pragma once

#include "core/system/Result.h"

#include <filesystem>

namespace kavrin {

// Keeps a second copy of a program away from a station file that one copy has open: an exclusive
// lock of the operating system on "<name>.lock" beside the station file (links followed, so two
// paths to one file share the lock). The system drops the lock when its holder exits or dies, so
// a crashed program never blocks the next start; a lock file it left behind is locked again.
// Not thread-safe; the lock is not passed on to programs the holder starts.
class StationFileLock {
public:
    StationFileLock() = default;
    ~StationFileLock();
    StationFileLock(const StationFileLock&) = delete;
    StationFileLock& operator=(const StationFileLock&) = delete;

    // Tries once, without waiting, to take the lock for `stationFile`; a lock already held by
    // this object is released first. Succeeds when this object holds the lock now. Fails with
    // Kind::InUse when another holder has it (another process, or another object), and with
    // Kind::Failed, the lock file's path and the system's reason when no lock can be had here (a
    // folder that takes no file): the caller may then go on without one.
    Result<> acquire(const std::filesystem::path& stationFile);

    // Gives the lock up and removes the lock file; does nothing when no lock is held.
    void release();

    bool held() const;

    // "<name>.lock" beside the file `stationFile` stands for.
    static std::filesystem::path lockFileOf(const std::filesystem::path& stationFile);

private:
    std::filesystem::path m_lockFile;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace kavrin
