#pragma once

#include "core/ORVImpl.h"

namespace kavrin {

// ORVImpl::MakeSummary with the local offset (local minus UTC, seconds) given instead of read
// from the clock: a list refill reads the clock once and passes the same offset for every row.
// The offset is only used when `localTime` is true.
void MakeSummaryAt(const ORVImpl::FreqInfo& record, std::u16string& nameOut,
                   std::u16string& summaryOut, bool localTime, int localOffsetSeconds);

} // namespace kavrin
