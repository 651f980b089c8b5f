#pragma once

#include <cstddef>

namespace kavrin {

// Asks the system to back the `bytes` at `start`, not yet written, with large pages where it can:
// filling a few hundred megabytes then takes a few hundred page faults instead of a hundred
// thousand. Only a hint; does nothing where the system has no such hint.
void adviseLargePages(void* start, std::size_t bytes);

} // namespace kavrin
