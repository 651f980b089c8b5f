#include "core/HugePages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace kavrin {

void adviseLargePages([[maybe_unused]] void* start, [[maybe_unused]] std::size_t bytes)
{
#ifdef __linux__
    // Only whole pages can be advised: from the first page boundary inside the range.
    constexpr std::uintptr_t kPage = 4096;
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kPage - 1) & ~(kPage - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(start) + bytes;
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

} // namespace kavrin
