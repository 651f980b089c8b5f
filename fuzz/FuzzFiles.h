#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kavrin {

// The station core reads and writes files by path, so every fuzz input is put into a file first.
// The input lives in memory and never reaches a disk.

// A file with no name on any file system (memfd), reached through its /proc/self/fd path. Filled
// afresh for each input; opened by path it reads from the start.
class MemoryFile {
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the content with `size` bytes; stops the process when that fails.
    void fill(const std::uint8_t* data, std::size_t size);

    const std::filesystem::path& path() const { return m_path; }

private:
    int m_fd;
    std::filesystem::path m_path;
};

// Stops the process so that libFuzzer keeps the input that led here. Used for a broken
// property, which no sanitizer would notice.
[[noreturn]] void propertyBroken(const char* what);

} // namespace kavrin
