#pragma once

namespace kavrin {

// The highest frequency, in MHz, that a station slot, a filter range or a band holds. It is kept
// in single precision, as every range and band edge is.
inline constexpr float kHighestFrequency = 99999.9f;

// The same limit widened to double: a slot value is usable below it (isUsableFreq).
inline constexpr double kFreqLimit = static_cast<double>(kHighestFrequency);

// The highest upper edge the user range dialog accepts: a little above kHighestFrequency, so that
// the edge of a range typed up to the limit is never refused.
inline constexpr float kHighestRangeEdge = 100000.9f;

} // namespace kavrin
