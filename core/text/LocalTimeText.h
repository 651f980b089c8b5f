#pragma once

#include <ctime>
#include <string>

namespace kavrin {

// A moment as the user reads it: "2026-05-08 15:45:07" in the process's local time zone; empty
// when the system cannot convert it.
std::string localDateTimeText(std::time_t utc);

} // namespace kavrin
