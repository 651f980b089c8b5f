#include "core/system/HugePages.h"

#include "core/system/TwoThreads.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace kavrin {

namespace {

constexpr std::size_t kPageBytes = 4096;

void touchPages(char* first, char* end)
{
    for (volatile char* page = first; page < end; page += kPageBytes)
        *page = 0;
}

} // namespace

void adviseLargePages([[maybe_unused]] void* start, [[maybe_unused]] std::size_t bytes)
{
#ifdef __linux__
    // Only whole pages can be advised: from the first page boundary inside the range.
    constexpr std::uintptr_t kPage = kPageBytes;
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kPage - 1) & ~(kPage - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(start) + bytes;
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

void prepareFreshMemory(void* start, std::size_t bytes)
{
    adviseLargePages(start, bytes);
    char* const first = static_cast<char*>(start);
    char* const middle = first + bytes / 2;
    if (bytes < kItemsWorthAThread * kPageBytes) {
        touchPages(first, first + bytes);
        return;
    }
    runBoth([&] { touchPages(first, middle); }, [&] { touchPages(middle, first + bytes); });
}

} // namespace kavrin
