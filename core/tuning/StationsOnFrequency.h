#pragma once

#include "core/base/ORVImpl.h"

#include <ctime>
#include <vector>

namespace kavrin {

// The stations heard at a receiver's frequency, for a receiver that is followed and for
// "kavrin on". Looks at the whole base, whatever a list's filter shows.

// One station found near the frequency.
struct FrequencyMatch {
    int index = 0;        // the station's index in the base
    double offsetKhz = 0; // its receive frequency nearest to the one looked up, minus that one
    bool onAir = false;   // IsWorkingAt at the moment of the lookup
};

// How far a receive frequency may lie from `mhz` and still count: 5 kHz below 30 MHz, 50 kHz
// from 30 MHz up.
double defaultToleranceKhz(double mhz);

// Every used station with a usable receive frequency within `toleranceKhz` of `mhz` (both edges
// included, compared in whole hertz so that 9.915 lies within 5 kHz of 9.910), on-air stations at
// `utc` first, then nearest first, then in base order. Empty when none is near.
std::vector<FrequencyMatch> stationsOnFrequency(const ORVImpl& base, double mhz,
                                                double toleranceKhz, std::time_t utc);

} // namespace kavrin
