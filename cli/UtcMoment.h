#pragma once

#include "core/system/Clock.h"

#include <ctime>
#include <optional>
#include <string_view>

namespace kavrin::cli {

// Reads a UTC moment written exactly as "YYYY-MM-DDTHH:MM:SSZ" (for example
// "2026-12-08T21:30:00Z"), with a real calendar date (leap years included), hours 00–23 and
// minutes and seconds 00–59. Anything else gives nothing.
std::optional<std::time_t> parseUtcMoment(std::string_view text);

// The clock a listing judges "on the air" by: now, or the moment `at` when one is given. Local
// hours use the offset in force now either way.
ClockReading listingClock(const std::optional<std::time_t>& at);

} // namespace kavrin::cli
