#include "fuzz/FuzzFiles.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace kavrin {

MemoryFile::MemoryFile() : m_fd(memfd_create("kavrin-fuzz-input", 0))
{
    if (m_fd < 0)
        propertyBroken("memfd_create failed");
    m_path = "/proc/self/fd/" + std::to_string(m_fd);
}

MemoryFile::~MemoryFile()
{
    close(m_fd);
}

void MemoryFile::fill(const std::uint8_t* data, std::size_t size)
{
    if (ftruncate(m_fd, 0) != 0)
        propertyBroken("cannot empty the memory file");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(m_fd, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0)
            propertyBroken("cannot fill the memory file");
        done += static_cast<std::size_t>(n);
    }
}

void propertyBroken(const char* what)
{
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

} // namespace kavrin
