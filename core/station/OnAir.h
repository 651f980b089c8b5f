#pragma once

#include "core/station/FreqInfo.h"

#include <ctime>

namespace kavrin {

// Whether a station is on the air, judged by its working hours and days in UTC.
//
// usePattern 0: always. Otherwise the hours fromHour:fromMin–toHour:toMin (whole minutes, both
// ends inclusive to the second, so a window ending 22:00 takes 22:00:00 but not 22:00:01) must
// hold the UTC time of day and days[] must be set for the UTC weekday. When fromHour > toHour the
// window is two pieces of the same UTC day, start–23:59:00 and 00:00:00–end, both decided by that
// day's flag. The last 59 seconds of a UTC day therefore lie outside every window. Hours outside
// 0–23 or minutes outside 0–59 with usePattern set never count as on the air.

// At the present moment (readClock().utc).
bool IsWorkingNow(const FreqInfo& record);

// At the moment `utc`.
bool IsWorkingAt(const FreqInfo& record, std::time_t utc);

// Whether the station's hours are the whole day: usePattern 0, or 00:00–23:59 (the days may still
// keep it off the air). The summary shows such hours as "24h".
bool worksAllDay(const FreqInfo& record);

} // namespace kavrin
