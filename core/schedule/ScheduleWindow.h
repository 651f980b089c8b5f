#pragma once

#include "core/base/ORVImpl.h"

namespace kavrin {

// What a schedule line's daily time window becomes in a station record.

// A schedule's end of the day, 24:00, as the last minute a record can hold: 23:59. Other times
// stay as they are.
void endOfDayAsLastMinute(int& hour, int& minute);

// `record` on the air every day from fromHour:fromMin to toHour:toMin, kept in UTC as schedules
// give their times.
void setScheduleHours(ORVImpl::FreqInfo& record, int fromHour, int fromMin, int toHour, int toMin);

} // namespace kavrin
