#pragma once

#include <cstddef>

namespace kavrin {

// Asks the system to back the `bytes` at `start`, not yet written, with large pages where it can:
// filling a few hundred megabytes then takes a few hundred page faults instead of a hundred
// thousand. Only a hint; does nothing where the system has no such hint.
void adviseLargePages(void* start, std::size_t bytes);

// Advises large pages for the `bytes` at `start`, not yet written, then writes each page once,
// half of them on a second thread: the system clears every fresh page on its first write, which
// for a few hundred megabytes takes most of a second, and this way both processors do it.
void prepareFreshMemory(void* start, std::size_t bytes);

// Room for `count` items in `items`; room that is new is written once on both processors
// (prepareFreshMemory) before anything is put there.
template <typename Container> void reserveFresh(Container& items, std::size_t count)
{
    if (items.capacity() >= count)
        return;
    items.reserve(count);
    prepareFreshMemory(items.data() + items.size(),
                       (items.capacity() - items.size()) * sizeof(*items.data()));
}

} // namespace kavrin
