#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"

namespace kavrin {

// The order of the station lists. All results are −1 (a before b), 0 or +1 (a after b).

// One field, ascending:
// - Frequency: LowestFreq() as doubles; a station without frequencies has 0 and comes first.
//   A value that is not a number (only a hand-edited file gives one) comes after every number,
//   so that the order stays a proper order.
// - Name, Location, Comment: the texts case-folded (foldCase), then compared as unsigned 16-bit
//   characters; a prefix comes before the longer text.
// - Modulation: the code as a signed number (AM, FM, USB, LSB, CW, Digital, NFM, DRM, Unknown).
// - Any other key value: 0.
int compareByField(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey field);

// Up to three fields in turn, the first difference deciding:
//   Frequency:  Frequency, Name, Modulation      Name:     Name, Frequency, Location
//   Modulation: Modulation, Frequency, Name      Location: Location, Frequency, Name
//   Comment:    Comment, Frequency, Name         any other value: 0.
// Folds the texts afresh on every call: a whole list is put in this order by StationIndex.
int compareStations(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey sortKey);

} // namespace kavrin
