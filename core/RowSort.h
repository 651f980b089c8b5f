#pragma once

#include "core/ORVImpl.h"
#include "core/StationFilter.h"
#include "core/StationRow.h"

#include <vector>

namespace kavrin {

// Sorts `rows` into the order of compareStations under `sortKey` (StationOrder.h), folding each
// station's texts once per sort instead of once per comparison. Rows that compareStations finds
// equal are ordered by station index, so the result is the same every time. A large list is
// sorted on two threads; the base is only read, on the calling thread. A row index outside
// `base` is a programming error that throws std::out_of_range.
void sortRows(std::vector<StationRow>& rows, const ORVImpl& base, SortKey sortKey);

} // namespace kavrin
