#pragma once

#include "core/system/Result.h"

#include <ctime>

namespace kavrin {

// The one place the station core learns "now", so that tests and tools can fix the moment.

// The current UTC time and the local time offset in force at that same moment (local minus UTC,
// in whole seconds, daylight saving included).
struct ClockReading {
    std::time_t utc;
    int localOffsetSeconds;
};

// Reads the installed source (the system clock unless one was installed).
ClockReading readClock();

using ClockSource = ClockReading (*)();

// The calendar time of `utc` in the process's local time zone (daylight saving as it was then).
// Fails with the system's reason when it cannot convert it (a moment beyond its calendar).
Result<std::tm> toLocalTime(std::time_t utc);

// Installs `source` for every later readClock() in the process; nullptr restores the system
// clock. Safe to call while other threads read the clock.
void setClockSource(ClockSource source);

} // namespace kavrin
