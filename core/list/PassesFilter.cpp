#include "core/list/PassesFilter.h"

#include "core/station/OnAir.h"

namespace kavrin {

namespace {

bool passesRange(const ORVImpl::FreqInfo& record, const StationFilter& filter)
{
    if (filter.rangeKind == RangeKind::All)
        return true;
    for (int i = 0; i < 10; ++i) {
        if (filter.inRange(record.freqRX[i]) || filter.inRange(record.freqTX[i]))
            return true;
    }
    return false;
}

// Finishes the test once modulation and range have passed, given the on-air answer.
template <typename OnAirTest>
FilterVerdict judge(const ORVImpl::FreqInfo& record, const StationFilter& filter, OnAirTest onAir)
{
    if (!filter.acceptsModulation(record.modulation) || !passesRange(record, filter))
        return {};
    const bool working = onAir();
    return {working || !filter.activeOnly, working};
}

} // namespace

FilterVerdict passesFilter(const ORVImpl::FreqInfo& record, const StationFilter& filter,
                           std::time_t utc)
{
    return judge(record, filter, [&] { return IsWorkingAt(record, utc); });
}

FilterVerdict passesFilter(const ORVImpl::FreqInfo& record, const StationFilter& filter)
{
    return judge(record, filter, [&] { return IsWorkingNow(record); });
}

} // namespace kavrin
