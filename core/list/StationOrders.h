#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"

#include <span>
#include <vector>

namespace kavrin {

// Sorts the stations `stations` of `base` (ascending indices) into the order of compareStations
// under each key of `keys`, the station index breaking ties, and returns one order a key. Every
// text is folded once, and the texts a key compares are ranked once for all the keys that need
// them, so an order is a sort of small integer tuples; large bases are sorted on two threads. A
// key without fields gives the stations in index order.
std::vector<std::vector<int>> makeStationOrders(const ORVImpl& base,
                                                const std::vector<int>& stations,
                                                std::span<const SortKey> keys);

} // namespace kavrin
