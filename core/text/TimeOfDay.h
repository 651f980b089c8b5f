#pragma once

namespace kavrin {

// A time of day hour:minute shifted by `offsetSeconds` on a 24-hour clock, wrapping past midnight
// in either direction (23:00 shifted by +2 h is 01:00). Hour and minute must be in range.
void shiftTimeOfDay(int& hour, int& minute, int offsetSeconds);

} // namespace kavrin
