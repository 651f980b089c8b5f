#pragma once

#include <string>

namespace kavrin {

// Time-of-day text of the working hours shown in the station lists.

// One time of day as text, shifted to local time when `localTime` is true. The offset is the one
// in force now (readClock()), whatever the hour, and the shift wraps past midnight either way.
// Hours outside 0–23 or minutes outside 0–59 cannot be a time of day: they are shown as stored,
// "24:30" or "99:99", unshifted and without the installed formatter.
std::u16string FormatHourText(int hour, int minute, bool localTime);

// The same with the local offset (local minus UTC, seconds) given, for callers that read the
// clock once for many rows and for tests.
std::u16string FormatHourTextAt(int hour, int minute, bool localTime, int localOffsetSeconds);

// Turns a valid time of day (hour 0–23, minute 0–59) into text.
using HourFormatter = std::u16string (*)(int hour, int minute);

// Installs the time-of-day format for the whole process (the programs install the user's locale
// short time format); nullptr restores the default "HH:mm".
void setHourFormatter(HourFormatter formatter);

} // namespace kavrin
