#pragma once

#include "ORVImpl.h"
#include "StationFilter.h"
#include "StationRow.h"

#include <vector>

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
// Folds the texts afresh on every call; to order many rows use sortRows.
int compareStations(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey sortKey);

// Sorts `rows` into the order of compareStations under
// `sortKey`, folding each station's texts once per sort instead of once per comparison. Rows that
// compareStations finds equal are ordered by station index, so the result is the same every time.
// A large list is sorted on two threads. A row index outside `base` is a programming error that
// throws std::out_of_range.
void sortRows(std::vector<StationRow>& rows, const ORVImpl& base, SortKey sortKey);
