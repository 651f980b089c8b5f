#pragma once

#include "core/base/ORVImpl.h"

#include <vector>

namespace kavrin {

// Putting the stations of a schedule (readScheduleFile) into a station base.

// Makes `base` hold exactly `stations`, in their order; returns their number.
int replaceWithSchedule(ORVImpl& base, const std::vector<ORVImpl::FreqInfo>& stations);

struct ScheduleMergeCounts {
    int added = 0;     // stations appended to the base
    int updated = 0;   // stations of the base whose other fields the schedule changed
    int unchanged = 0; // stations of the base the schedule matched as they were
};

// Adds `stations` to `base` without duplicating what it already holds. A schedule station
// matches a used station of the base with the same name, first receive frequency (to the hertz,
// as the station file keeps it), start and end time, days and location. Each station of the base
// is matched by at most one schedule station, the earliest unmatched one in base order; schedule
// stations are never matched with each other, so two lines that differ only in language give two
// stations (each is a broadcast of its own). A match takes the
// schedule's modulation, comment, usePattern and showPropGMT; what a schedule does not know (the
// further frequencies, the transmit frequencies, the sounds folder) stays the user's. Every other
// schedule station is appended, in order. Stations of the base that nothing matched are never
// changed or removed, so merging the same schedule twice changes nothing the second time.
//
// Time: the base is indexed by the match key once (O(n log n)), then each schedule station is
// looked up in it.
ScheduleMergeCounts mergeSchedule(ORVImpl& base, const std::vector<ORVImpl::FreqInfo>& stations);

} // namespace kavrin
