#include "core/LoweredSearch.h"

#include "core/Clock.h"
#include "core/PassesFilter.h"
#include "core/RowSort.h"

#include <algorithm>

namespace kavrin {

namespace {

// Lowers the field unit by unit while searching, so no lowered copy is made per record.
bool contains(std::u16string_view field, std::u16string_view text, bool matchCase, CharLower lower)
{
    if (text.empty())
        return true;
    if (matchCase)
        return field.find(text) != std::u16string_view::npos;
    return std::search(field.begin(), field.end(), text.begin(), text.end(),
                       [lower](char16_t f, char16_t t) { return lower(f) == t; }) != field.end();
}

} // namespace

std::u16string lowerEach(std::u16string_view text, CharLower lower)
{
    std::u16string lowered(text.size(), u'\0');
    std::transform(text.begin(), text.end(), lowered.begin(), lower);
    return lowered;
}

bool matchesLowered(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase,
                    CharLower lower)
{
    return contains(record.stName, text, matchCase, lower) ||
           contains(record.stLoc, text, matchCase, lower) ||
           contains(record.stComment, text, matchCase, lower);
}

SearchResult buildLoweredSearchResult(const ORVImpl& base, const StationFilter& filter,
                                      std::u16string_view text, bool matchCase, CharLower lower,
                                      std::time_t utc, int localOffsetSeconds)
{
    const std::u16string wanted = matchCase ? std::u16string(text) : lowerEach(text, lower);
    SearchResult result;
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& record = base[i];
        if (record.stName.empty() || !matchesLowered(record, wanted, matchCase, lower))
            continue;
        ++result.matchCount;
        const FilterVerdict verdict = passesFilter(record, filter, utc);
        if (verdict.passes)
            result.rows.push_back(
                makeRow(record, i, verdict.onAir, filter.useLocalTime != 0, localOffsetSeconds));
    }
    sortRows(result.rows, base, filter.sortKey);
    return result;
}

SearchResult buildLoweredSearchResult(const ORVImpl& base, const StationFilter& filter,
                                      std::u16string_view text, bool matchCase, CharLower lower)
{
    const ClockReading now = readClock();
    return buildLoweredSearchResult(base, filter, text, matchCase, lower, now.utc,
                                    now.localOffsetSeconds);
}

} // namespace kavrin
