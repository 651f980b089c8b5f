#include "StationList.h"

#include "CaseFold.h"
#include "Clock.h"
#include "PassesFilter.h"
#include "RowSort.h"
#include "StationSearch.h"
#include "Summary.h"

#include <string>

namespace {

// Adds the row of `record` when the filter passes it.
void offerRow(std::vector<StationRow>& rows, const ORVImpl::FreqInfo& record, int index,
              const StationFilter& filter, std::time_t utc, int localOffsetSeconds)
{
    const FilterVerdict verdict = passesFilter(record, filter, utc);
    if (verdict.passes)
        rows.push_back(
            makeRow(record, index, verdict.onAir, filter.useLocalTime != 0, localOffsetSeconds));
}

} // namespace

StationRow makeRow(const ORVImpl::FreqInfo& record, int index, bool onAir, bool localTime,
                   int localOffsetSeconds)
{
    StationRow row;
    row.index = index;
    row.onAir = onAir;
    MakeSummaryAt(record, row.name, row.summary, localTime, localOffsetSeconds);
    return row;
}

StationListing buildDisplayedSet(const ORVImpl& base, const StationFilter& filter, std::time_t utc,
                                 int localOffsetSeconds)
{
    StationListing listing;
    listing.rows.reserve(static_cast<std::size_t>(base.GetCount()));
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& record = base[i];
        if (record.stName.empty())
            continue;
        ++listing.itemsInBase;
        offerRow(listing.rows, record, i, filter, utc, localOffsetSeconds);
    }
    sortRows(listing.rows, base, filter.sortKey);
    return listing;
}

StationListing buildDisplayedSet(const ORVImpl& base, const StationFilter& filter)
{
    const ClockReading now = readClock();
    return buildDisplayedSet(base, filter, now.utc, now.localOffsetSeconds);
}

SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase, std::time_t utc,
                               int localOffsetSeconds)
{
    const std::u16string wanted = matchCase ? std::u16string(text) : foldCase(text);
    SearchResult result;
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& record = base[i];
        if (record.stName.empty() || !matchesSearch(record, wanted, matchCase))
            continue;
        ++result.matchCount;
        offerRow(result.rows, record, i, filter, utc, localOffsetSeconds);
    }
    sortRows(result.rows, base, filter.sortKey);
    return result;
}

SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase)
{
    const ClockReading now = readClock();
    return buildSearchResult(base, filter, text, matchCase, now.utc, now.localOffsetSeconds);
}

std::u16string statusText(int itemsInBase, int displayed)
{
    const std::string text =
        std::to_string(itemsInBase) + " items in base, " + std::to_string(displayed) + " displayed";
    return std::u16string(text.begin(), text.end());
}
