// Stations from any bytes (read as a station file, or as a schedule when they are not one) go
// through everything a list does with them: refills under many filters and every sort key,
// searches, and a save and load. Rows must hold only used stations, once each, in the order of
// compareStations; the counts must agree; and every station must come back from its file as it
// was saved.

#include "core/base/ORVImpl.h"
#include "core/list/StationList.h"
#include "core/list/StationOrder.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "fuzz/FuzzFiles.h"
#include "tests/support/TestFiles.h"

#include <ctime>
#include <string>
#include <vector>

using namespace kavrin;

namespace {

std::vector<StationFilter> filters()
{
    std::vector<StationFilter> all(8);
    all[1].sortBy(SortKey::Name);
    all[1].chooseGmtTime();
    all[2].sortBy(SortKey::Modulation);
    all[2].showActiveStations();
    all[3].sortBy(SortKey::Location);
    all[3].toggleModulation(0);
    all[3].toggleModulation(7);
    all[4].sortBy(SortKey::Comment);
    all[4].chooseRange(RangeKind::SW);
    all[5].sortBy(SortKey::Name);
    all[5].setUserRange(0.001f, 30.0f);
    all[5].showActiveStations();
    all[6].chooseRange(RangeKind::LF);
    all[6].toggleModulation(4);
    all[7].sortBy(static_cast<SortKey>(9)); // no such key: every station compares equal
    return all;
}

int usedCount(const ORVImpl& base)
{
    int n = 0;
    for (int i = 0; i < base.GetCount(); ++i)
        n += base[i].stName.empty() ? 0 : 1;
    return n;
}

void checkRows(const ORVImpl& base, const std::vector<StationRow>& rows, SortKey key)
{
    std::vector<bool> seen(static_cast<std::size_t>(base.GetCount()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int index = rows[i].index;
        if (index < 0 || index >= base.GetCount() || base[index].stName.empty() ||
            seen[static_cast<std::size_t>(index)] || rows[i].name != base[index].stName)
            propertyBroken("a row that is no used station, or one station twice");
        seen[static_cast<std::size_t>(index)] = true;
        if (i == 0)
            continue;
        const int previous = rows[i - 1].index;
        const int order = compareStations(base[previous], base[index], key);
        if (order > 0 || (order == 0 && previous > index))
            propertyBroken("rows out of the order of compareStations");
    }
}

void refill(const ORVImpl& base)
{
    const int used = usedCount(base);
    const std::time_t moments[] = {0, 1700012345};
    for (const StationFilter& filter : filters()) {
        for (std::time_t utc : moments) {
            const StationListing listing = buildDisplayedSet(base, filter, utc, -(12 * 3600));
            if (listing.itemsInBase != used || static_cast<int>(listing.rows.size()) > used)
                propertyBroken("wrong count of items in base");
            checkRows(base, listing.rows, filter.sortKey);
            if (utc == 0)
                continue; // searches once per filter are enough

            std::u16string needles[] = {u"", u"a", u"\u0416", {}};
            if (!listing.rows.empty())
                needles[3] = listing.rows.front().name.substr(0, 3);
            for (const std::u16string& needle : needles) {
                for (bool matchCase : {false, true}) {
                    const SearchResult found =
                        buildSearchResult(base, filter, needle, matchCase, utc, 14 * 3600);
                    if (found.matchCount < static_cast<int>(found.rows.size()) ||
                        found.matchCount > used || (needle.empty() && found.matchCount != used))
                        propertyBroken("wrong search count");
                    checkRows(base, found.rows, filter.sortKey);
                }
            }
        }
    }
}

// A text as the station file keeps it: the characters XML cannot hold become U+FFFD.
std::u16string storable(std::u16string text)
{
    for (char16_t& c : text) {
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF)
            c = 0xFFFD;
    }
    return text;
}

bool slotsInRange(const double (&slots)[10])
{
    for (double v : slots) {
        if (!(v >= 0 && v <= kFreqLimit))
            return false;
    }
    return true;
}

// Hours travel as two digits each; other values are not kept by the file.
bool hoursFitTheFile(const ORVImpl::FreqInfo& r)
{
    for (int v : {r.fromHour, r.fromMin, r.toHour, r.toMin}) {
        if (v < 0 || v > 99)
            return false;
    }
    return true;
}

void checkSavedAsItWas(const ORVImpl::FreqInfo& was, const ORVImpl::FreqInfo& is)
{
    if (is.stName != storable(was.stName) || is.stLoc != storable(was.stLoc) ||
        is.stComment != storable(was.stComment) || is.soundsFld != storable(was.soundsFld) ||
        is.modulation != was.modulation || is.usePattern != (was.usePattern != 0 ? 1 : 0))
        propertyBroken("texts, modulation or pattern flag changed by a save and load");
    if (slotsInRange(was.freqRX) && slotsInRange(was.freqTX)) {
        std::u16string rxWas, txWas, rxIs, txIs;
        was.FormatFreqLists(rxWas, txWas);
        is.FormatFreqLists(rxIs, txIs);
        if (rxWas != rxIs || txWas != txIs)
            propertyBroken("frequencies changed by a save and load");
    }
    if (was.usePattern != 1)
        return;
    if (is.showPropGMT != (was.showPropGMT != 0 ? 1 : 0))
        propertyBroken("showPropGMT changed by a save and load");
    for (int d = 0; d < 7; ++d) {
        if (is.days[d] != (was.days[d] != 0 ? 1 : 0))
            propertyBroken("days changed by a save and load");
    }
    if (hoursFitTheFile(was) && (is.fromHour != was.fromHour || is.fromMin != was.fromMin ||
                                 is.toHour != was.toHour || is.toMin != was.toMin))
        propertyBroken("hours changed by a save and load");
}

void saveAndReload(const ORVImpl& base)
{
    // scripts/fuzz points TMPDIR at a folder in memory.
    static TempFolder folder;
    const auto path = folder.file("Stations.xml");
    if (!base.Save(path))
        propertyBroken("a save into a scratch folder failed");
    ORVImpl reloaded;
    if (!reloaded.Load(path) || reloaded.GetCount() != usedCount(base))
        propertyBroken("a saved file did not load back whole");
    int next = 0;
    for (int i = 0; i < base.GetCount(); ++i) {
        if (!base[i].stName.empty())
            checkSavedAsItWas(base[i], reloaded[next++]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.fill(data, size);
    ORVImpl base;
    if (!base.Load(file.path())) {
        const Result<ScheduleFile> schedule = readScheduleFile(file.path());
        if (!schedule)
            return 0;
        replaceWithSchedule(base, schedule->stations);
    }
    refill(base);
    saveAndReload(base);
    return 0;
}
