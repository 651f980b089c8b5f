#include "core/StationList.h"

#include "core/CaseFold.h"
#include "core/Clock.h"
#include "core/PassesFilter.h"
#include "core/RowSort.h"
#include "core/StationSearch.h"
#include "core/Summary.h"
#include "core/TwoThreads.h"

#include <string>

namespace kavrin {

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

// For each station of the base, whether it is used and contains `text` (matchesSearch). Looking
// through a large base is the longest part of a search, so it is done in two halves on two
// threads; one byte a station (not vector<bool>'s bits), as the threads write side by side.
std::vector<unsigned char> stationsMatching(const ORVImpl& base, std::u16string_view text,
                                            bool matchCase)
{
    const auto count = static_cast<std::size_t>(base.GetCount());
    std::vector<unsigned char> found(count, 0);
    const auto look = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const ORVImpl::FreqInfo& record = base[static_cast<int>(i)];
            found[i] = !record.stName.empty() && matchesSearch(record, text, matchCase);
        }
    };
    if (count < kItemsWorthAThread)
        look(0, count);
    else
        runBoth([&] { look(0, count / 2); }, [&] { look(count / 2, count); });
    return found;
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

int usedStationCount(const ORVImpl& base)
{
    int used = 0;
    for (int i = 0; i < base.GetCount(); ++i)
        used += base[i].stName.empty() ? 0 : 1;
    return used;
}

StationListing buildDisplayedSet(const ORVImpl& base, const StationFilter& filter, std::time_t utc,
                                 int localOffsetSeconds)
{
    StationListing listing;
    listing.itemsInBase = usedStationCount(base);
    listing.rows.reserve(static_cast<std::size_t>(listing.itemsInBase));
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& record = base[i];
        if (!record.stName.empty())
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
    const std::vector<unsigned char> matches = stationsMatching(base, wanted, matchCase);
    SearchResult result;
    for (int i = 0; i < base.GetCount(); ++i) {
        if (!matches[static_cast<std::size_t>(i)])
            continue;
        ++result.matchCount;
        offerRow(result.rows, base[i], i, filter, utc, localOffsetSeconds);
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

} // namespace kavrin
