#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"
#include "core/list/StationRow.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

class CaseMap;

// What a station list shows, in full: each row with its name and summary text, for a tool that
// prints a whole list at once. (A list on screen keeps only ListedStation rows and writes the
// texts of the rows it draws.) Unused records (empty name) are never listed, counted or searched.
// "On the air" is judged at `utc`, and local hours are printed with `localOffsetSeconds` (local
// minus UTC). Rows come in the order of the filter's sortKey (StationIndex).

// The displayed set of a list refill.
struct StationListing {
    std::vector<StationRow> rows; // every used station that passes the filter
    int itemsInBase = 0;          // every used station
};

StationListing buildDisplayedSet(const ORVImpl& base, const StationFilter& filter, std::time_t utc,
                                 int localOffsetSeconds);

// The result of a search: the stations that contain the text (matchesText) and pass the
// filter, which the search leaves unchanged.
struct SearchResult {
    std::vector<StationRow> rows;
    int matchCount = 0; // stations that contain the text, whether the filter passed them or not;
                        // 0 means "Search results list is empty", not merely an empty list
};

// `text` is the text as the user typed it: with `matchCase` false it is mapped through `caseMap`
// (by default the case folding of foldChar) here, once.
SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase, std::time_t utc,
                               int localOffsetSeconds, const CaseMap& caseMap);
SearchResult buildSearchResult(const ORVImpl& base, const StationFilter& filter,
                               std::u16string_view text, bool matchCase, std::time_t utc,
                               int localOffsetSeconds);

// The stations of the base that are in use: the records with a name.
int usedStationCount(const ORVImpl& base);

// "%d items in base, %d displayed".
std::u16string statusText(int itemsInBase, int displayed);

// The row of `record`, station `index` of its base, as a list shows it: its name, its summary
// with hours in local time or GMT (`localTime`), and the on-air flag from the filter test.
StationRow makeRow(const ORVImpl::FreqInfo& record, int index, bool onAir, bool localTime,
                   int localOffsetSeconds);

} // namespace kavrin
