#pragma once

#include "core/station/FreqInfo.h"

#include <string>

namespace kavrin {

// The two list columns of a station: its name, and the one-line summary of frequencies,
// modulation, working hours (GMT, or local time when `localTime`), location and comment. Reads
// the clock's local offset when the hours are shown in local time.
void makeSummary(const FreqInfo& record, std::u16string& nameOut, std::u16string& summaryOut,
                 bool localTime);

// makeSummary with the local offset (local minus UTC, seconds) given instead of read
// from the clock: a list refill reads the clock once and passes the same offset for every row.
// The offset is only used when `localTime` is true.
void MakeSummaryAt(const FreqInfo& record, std::u16string& nameOut, std::u16string& summaryOut,
                   bool localTime, int localOffsetSeconds);

} // namespace kavrin
