#include "core/list/StationList.h"

#include "core/list/StationIndex.h"
#include "core/station/Summary.h"
#include "core/text/CaseMap.h"

#include <string>

namespace kavrin {

namespace {

std::vector<StationRow> fullRows(const ORVImpl& base, const std::vector<ListedStation>& listed,
                                 const StationFilter& filter, int localOffsetSeconds)
{
    std::vector<StationRow> rows;
    rows.reserve(listed.size());
    for (const ListedStation& station : listed)
        rows.push_back(makeRow(base[station.index], station.index, station.onAir,
                               filter.useLocalTime != 0, localOffsetSeconds));
    return rows;
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
    StationIndex index(base);
    std::vector<ListedStation> listed;
    index.list(filter, utc, listed);
    return {fullRows(base, listed, filter, localOffsetSeconds), index.usedCount()};
}

SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase, std::time_t utc,
                               int localOffsetSeconds, const CaseMap& caseMap)
{
    StationIndex index(base);
    std::vector<ListedStation> listed;
    const int matches = index.search(filter, text, matchCase, caseMap, utc, listed);
    return {fullRows(base, listed, filter, localOffsetSeconds), matches};
}

SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase, std::time_t utc,
                               int localOffsetSeconds)
{
    return buildSearchResult(base, filter, text, matchCase, utc, localOffsetSeconds,
                             CaseMap::folding());
}

std::u16string statusText(int itemsInBase, int displayed)
{
    const std::string text =
        std::to_string(itemsInBase) + " items in base, " + std::to_string(displayed) + " displayed";
    return std::u16string(text.begin(), text.end());
}

} // namespace kavrin
