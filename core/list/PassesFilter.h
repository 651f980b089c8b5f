#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"

#include <ctime>

namespace kavrin {

// The outcome of the filter test for one station.
struct FilterVerdict {
    bool passes = false; // the station belongs in the list
    bool onAir = false;  // on the air at the moment tested; only computed when the modulation
                         // and range tests passed (false otherwise)
};

// The filter test, in this order, the first failing step ending it: modulation
// (StationFilter::acceptsModulation), then, unless rangeKind is All, the frequency range — some
// slot among freqRX[0], freqTX[0], freqRX[1], … freqTX[9] must lie in it (StationFilter::inRange),
// whether usable or not — then the on-air test, which fails the station only when activeOnly is
// set. useLocalTime plays no part. Does not look at the name: skipping unused records is the
// caller's business.

// On the air judged at the moment `utc`.
FilterVerdict passesFilter(const ORVImpl::FreqInfo& record, const StationFilter& filter,
                           std::time_t utc);

// On the air judged now (IsWorkingNow).
FilterVerdict passesFilter(const ORVImpl::FreqInfo& record, const StationFilter& filter);

} // namespace kavrin
