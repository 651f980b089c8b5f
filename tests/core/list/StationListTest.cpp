#include "core/list/StationList.h"
#include "core/list/StationIndex.h"
#include "core/list/StationOrder.h"
#include "core/station/Modulation.h"
#include "core/station/Summary.h"
#include "core/text/CaseFold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

using namespace kavrin;

namespace {

constexpr std::time_t kNoon = 1704628800; // 2024-01-07 12:00:00 UTC

struct Station {
    Station(std::u16string name, double rx = 0, double tx = 0, int modulation = MOD_AM,
            std::u16string loc = {}, std::u16string comment = {})
        : name(std::move(name)), rx(rx), tx(tx), modulation(modulation), loc(std::move(loc)),
          comment(std::move(comment))
    {
    }

    std::u16string name;
    double rx;
    double tx;
    int modulation;
    std::u16string loc;
    std::u16string comment;
};

FreqInfo make(const Station& s)
{
    FreqInfo r;
    r.stName = s.name;
    r.freqRX[0] = s.rx;
    r.freqTX[0] = s.tx;
    r.modulation = s.modulation;
    r.stLoc = s.loc;
    r.stComment = s.comment;
    return r;
}

void fill(ORVImpl& base, std::initializer_list<Station> stations)
{
    for (const Station& s : stations)
        base.Add(make(s));
}

std::vector<std::u16string> names(const std::vector<StationRow>& rows)
{
    std::vector<std::u16string> out;
    for (const StationRow& row : rows)
        out.push_back(row.name);
    return out;
}

template <typename Row> std::vector<int> indices(const std::vector<Row>& rows)
{
    std::vector<int> out;
    for (const Row& row : rows)
        out.push_back(row.index);
    return out;
}

std::vector<std::u16string> sortedNames(const ORVImpl& base, SortKey key)
{
    StationFilter f;
    f.sortBy(key);
    return names(buildDisplayedSet(base, f, kNoon, 0).rows);
}

std::vector<std::u16string> searchNames(const ORVImpl& base, std::u16string_view text,
                                        bool matchCase)
{
    return names(buildSearchResult(base, StationFilter{}, text, matchCase, kNoon, 0).rows);
}

using Names = std::vector<std::u16string>;

} // namespace

TEST(FoldCase, FoldsAsciiAndCyrillicCapitalsOnly)
{
    struct Case {
        std::u16string in, out;
    };
    const Case cases[] = {
        {u"Radio AZ-09 az", u"radio az-09 az"},
        {u"\u0410\u042F\u0430\u044F", u"\u0430\u044F\u0430\u044F"}, // А Я а я
        {u"\u0401\u0451", u"\u0451\u0451"},                         // Ё ё
        {u"\u0402\u040F\u0400", u"\u0402\u040F\u0400"},             // Ђ Џ Ѐ stay
        {u"\u00C9\u00E9@[`{", u"\u00C9\u00E9@[`{"},                 // É stays
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldCase(c.in), c.out);
}

TEST(StationList, DisplayedSetSkipsDeletedStationsAndCountsTheRest)
{
    ORVImpl base;
    fill(base, {{u"Alpha", 9.5, 0, MOD_AM}, {u"Gone", 5.0}, {u"Beta", 7.2, 0, MOD_FM}});
    base[1].stName.clear();

    StationFilter f;
    StationListing all = buildDisplayedSet(base, f, kNoon, 0);
    EXPECT_EQ(all.itemsInBase, 2);
    EXPECT_EQ(indices(all.rows), (std::vector<int>{2, 0}));
    EXPECT_EQ(statusText(all.itemsInBase, static_cast<int>(all.rows.size())),
              u"2 items in base, 2 displayed");

    f.toggleModulation(MOD_FM);
    const StationListing fm = buildDisplayedSet(base, f, kNoon, 0);
    EXPECT_EQ(fm.itemsInBase, 2);
    EXPECT_EQ(names(fm.rows), Names{u"Beta"});
}

TEST(StationList, RowsCarryNameSummaryAndOnAirFlag)
{
    ORVImpl base;
    FreqInfo night = make({u"Night", 3.5, 0, MOD_CW});
    night.usePattern = 1;
    night.fromHour = 22;
    night.toHour = 6;
    base.Add(night);

    StationFilter f;
    for (bool local : {true, false}) {
        local ? f.chooseLocalTime() : f.chooseGmtTime();
        const StationListing listing = buildDisplayedSet(base, f, kNoon, 7200);
        ASSERT_EQ(listing.rows.size(), 1u);
        std::u16string name, summary;
        MakeSummaryAt(night, name, summary, local, 7200);
        EXPECT_EQ(listing.rows[0].name, u"Night");
        EXPECT_EQ(listing.rows[0].summary, summary);
        EXPECT_FALSE(listing.rows[0].onAir);
    }
    EXPECT_TRUE(buildDisplayedSet(base, f, kNoon + 11 * 3600, 0).rows[0].onAir);
}

TEST(StationSearch, CaseFoldingAndMatchCase)
{
    ORVImpl base;
    fill(base, {{u"Coast", 0.5, 0, MOD_CW, u"TOWER hill"},
                {u"\u0440\u0430\u0434\u0438\u043E \u0451\u043B\u043A\u0430"}, // радио ёлка
                {u"Plain", 1, 0, MOD_AM, u"", u"near the Tower"}});
    base[0].soundsFld = u"tower recordings";

    EXPECT_EQ(searchNames(base, u"tower", false), (Names{u"Coast", u"Plain"}));
    EXPECT_EQ(searchNames(base, u"tower", true), Names{});
    EXPECT_EQ(searchNames(base, u"Tower", true), Names{u"Plain"});
    EXPECT_EQ(searchNames(base, u"\u0420\u0410\u0414\u0418\u041E", false), // РАДИО
              Names{base[1].stName});
    EXPECT_EQ(searchNames(base, u"\u0401\u041B", false), Names{base[1].stName}); // ЁЛ
    EXPECT_EQ(searchNames(base, u"\u0420\u0410\u0414\u0418\u041E", true), Names{});
    EXPECT_EQ(searchNames(base, u"recordings", false),
              Names{}); // the sounds folder is not searched
}

TEST(StationSearch, EmptyTextListsEveryUsedStationThatPasses)
{
    ORVImpl base;
    fill(base, {{u"A", 7.0}, {u"B", 100.0}, {u"C", 9.0}, {u"Deleted", 8.0}});
    base[3].stName.clear();
    StationFilter sw;
    sw.chooseRange(RangeKind::SW);
    const SearchResult r = buildSearchResult(base, sw, u"", false, kNoon, 0);
    EXPECT_EQ(names(r.rows), (Names{u"A", u"C"}));
    EXPECT_EQ(r.matchCount, 3);
}

TEST(StationSearch, HeldBackByFiltersIsNotTheSameAsNoMatch)
{
    ORVImpl base;
    fill(base, {{u"Tower one", 7.0, 0, MOD_AM}, {u"Tower two", 9.0, 0, MOD_AM}, {u"Lost", 5.0}});
    base[2].stName.clear();

    StationFilter fmOnly;
    fmOnly.toggleModulation(MOD_FM);
    const SearchResult held = buildSearchResult(base, fmOnly, u"TOWER", false, kNoon, 0);
    EXPECT_TRUE(held.rows.empty());
    EXPECT_EQ(held.matchCount, 2);

    const SearchResult none = buildSearchResult(base, StationFilter{}, u"lost", false, kNoon, 0);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.matchCount, 0); // the deleted station does not count
}

TEST(StationOrder, FrequencyKeyIsTheLowerOfTheFirstSlots)
{
    const FreqInfo rx7tx5 = make({u"a", 7.0, 5.0});
    const FreqInfo rx0tx5 = make({u"a", 0.0, 5.0});
    const FreqInfo rx7tx0 = make({u"a", 7.0, 0.0});
    const FreqInfo none = make({u"a"});
    EXPECT_EQ(compareByField(rx7tx5, rx0tx5, SortKey::Frequency), 0);
    EXPECT_EQ(compareByField(rx7tx5, rx7tx0, SortKey::Frequency), -1);
    EXPECT_EQ(compareByField(none, rx7tx5, SortKey::Frequency), -1);
    EXPECT_EQ(compareByField(rx7tx0, none, SortKey::Frequency), 1);
}

TEST(StationOrder, FieldComparisons)
{
    const FreqInfo a = make({u"abc", 1, 0, MOD_DRM, u"\u0410", u"x"});
    const FreqInfo b = make({u"ABCD", 1, 0, MOD_UNKNOWN, u"\u0430", u"Y"});
    EXPECT_EQ(compareByField(a, b, SortKey::Name), -1); // a prefix comes first
    EXPECT_EQ(compareByField(b, a, SortKey::Name), 1);
    EXPECT_EQ(compareByField(a, b, SortKey::Location), 0);
    EXPECT_EQ(compareByField(a, b, SortKey::Comment), -1);
    EXPECT_EQ(compareByField(a, b, SortKey::Modulation), -1);
    EXPECT_EQ(compareByField(a, b, static_cast<SortKey>(9)), 0);
    EXPECT_EQ(compareStations(a, b, static_cast<SortKey>(-1)), 0);
    // Unsigned 16-bit order: a Cyrillic letter after every ASCII one.
    EXPECT_EQ(compareByField(make({u"\u0430"}), make({u"z"}), SortKey::Name), 1);
}

TEST(StationOrder, ThreeKeyOrders)
{
    ORVImpl base;
    fill(base, {{u"beta", 9.0, 0, MOD_FM, u"Zulu", u"c2"},
                {u"ALPHA", 9.0, 0, MOD_AM, u"north", u"C1"},
                {u"alpha", 7.0, 0, MOD_USB, u"South", u"c1"},
                {u"Alpha", 9.0, 0, MOD_CW, u"Mid", u"c3"},
                {u"Gamma", 7.0, 0, MOD_AM, u"NORTH", u""}});

    // Case-only differences sit together; frequency decides, then location.
    EXPECT_EQ(sortedNames(base, SortKey::Name),
              (Names{u"alpha", u"Alpha", u"ALPHA", u"beta", u"Gamma"}));
    // Same frequency: name, then modulation (AM before CW).
    EXPECT_EQ(sortedNames(base, SortKey::Frequency),
              (Names{u"alpha", u"Gamma", u"ALPHA", u"Alpha", u"beta"}));
    EXPECT_EQ(sortedNames(base, SortKey::Modulation),
              (Names{u"Gamma", u"ALPHA", u"beta", u"alpha", u"Alpha"}));
    // "north" and "NORTH" are one location: frequency decides.
    EXPECT_EQ(sortedNames(base, SortKey::Location),
              (Names{u"Alpha", u"Gamma", u"ALPHA", u"alpha", u"beta"}));
    EXPECT_EQ(sortedNames(base, SortKey::Comment),
              (Names{u"Gamma", u"alpha", u"ALPHA", u"beta", u"Alpha"}));
}

TEST(StationOrder, NotANumberSortsAfterEveryFrequency)
{
    ORVImpl base;
    fill(base, {{u"n1", std::nan("")}, {u"b", 9.0}, {u"n2", std::nan("")}, {u"a", 0.0}});
    EXPECT_EQ(sortedNames(base, SortKey::Frequency), (Names{u"a", u"b", u"n1", u"n2"}));
    EXPECT_EQ(compareByField(base[0], base[2], SortKey::Frequency), 0);
    EXPECT_EQ(compareByField(base[0], base[1], SortKey::Frequency), 1);
}

// The orders of StationIndex are exactly those of compareStations, with the station index
// breaking ties.
TEST(StationOrder, IndexOrdersAgreeWithCompareStations)
{
    std::mt19937 random(20240107);
    // Case-only differences, Cyrillic, texts that agree on a first word or on their first 16
    // characters, texts that end in U+0000, and frequencies that are negative, signed zeros or
    // not a number.
    const std::u16string texts[] = {u"alpha",
                                    u"Alpha",
                                    u"ALPHA",
                                    u"al",
                                    u"\u0451\u043B\u043A\u0430",
                                    u"\u0401\u041B\u041A\u0410",
                                    u"zeta",
                                    u"",
                                    u"\u00C9cole",
                                    u"\u00E9cole",
                                    u"radio",
                                    u"radix",
                                    u"radio mo",
                                    std::u16string(u"radio mo\0", 9),
                                    u"radio mosca",
                                    u"radio moscow",
                                    u"Radio Moscow 2",
                                    u"radio moscow in",
                                    u"RADIO MOSCOW INTERNATIONAL",
                                    u"radio moscow international",
                                    u"Radio Moscow International 2",
                                    u"radio moscow internatio",
                                    std::u16string(u"radio moscow int\0", 17),
                                    u"radio moscow intBa",
                                    u"radio moscow intaz",
                                    std::u16string(u"ab\0", 3),
                                    u"ab"};
    const auto text = [&] { return texts[random() % std::size(texts)]; };
    const double frequencies[] = {0, 1.5, 7.1, 7.1, 145.0, -1.5, -0.0, std::nan("")};
    const auto frequency = [&] { return frequencies[random() % std::size(frequencies)]; };

    ORVImpl base;
    for (int i = 0; i < 20000; ++i) { // large enough to be sorted on two threads
        FreqInfo r;
        r.stName = text();
        if (r.stName.empty())
            r.stName.push_back(u'x');
        r.freqRX[0] = frequency();
        r.freqTX[0] = frequency();
        r.modulation = random() % 9 == 8 ? MOD_UNKNOWN : static_cast<int>(random() % 8) - 1;
        r.stLoc = text();
        r.stComment = text();
        base.Add(r);
    }

    // The orders are made whole once (one key's first, the others after it, as a large load makes
    // them), then kept in step as stations are added, changed and deleted: both must give the
    // same order.
    StationIndex index(base);
    index.prepareOrder(SortKey::Name);
    EXPECT_TRUE(index.ordersMissing());
    index.prepareOrders();
    EXPECT_FALSE(index.ordersMissing());
    const auto checkOrders = [&](const std::string& when) {
        for (int key = -1; key <= 5; ++key) {
            const auto sortKey = static_cast<SortKey>(key);
            std::vector<int> expected;
            for (int i = 0; i < base.GetCount(); ++i) {
                if (!base[i].stName.empty())
                    expected.push_back(i);
            }
            std::sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int c = compareStations(base[a], base[b], sortKey);
                return c != 0 ? c < 0 : a < b;
            });
            std::vector<ListedStation> rows;
            for (int i = base.GetCount() - 1; i >= 0; --i) {
                if (!base[i].stName.empty())
                    rows.push_back({i, false});
            }
            index.sort(rows, sortKey);
            EXPECT_EQ(indices(rows), expected) << when << ", sort key " << key;
            for (int station : {3, 17, base.GetCount() - 1}) {
                if (base[station].stName.empty())
                    continue;
                std::vector<ListedStation> others = rows;
                others.erase(
                    std::find(others.begin(), others.end(), ListedStation{station, false}));
                const std::size_t at = index.placeOf(others, station, sortKey);
                EXPECT_EQ(expected[at], station) << when << ", place, sort key " << key;
            }
        }
    };
    checkOrders("made whole");
    for (int step = 0; step < 300; ++step) {
        const int station = static_cast<int>(random() % static_cast<unsigned>(base.GetCount()));
        FreqInfo& r = base[station];
        if (step % 3 == 0) {
            r.stName.clear();
        } else {
            r.stName = text() + u"x";
            r.freqRX[0] = frequency();
            r.stLoc = text();
        }
        index.changed(station);
        if (step % 5 == 0)
            index.added(base.Add(r.stName.empty() ? base[0] : r));
    }
    checkOrders("kept in step");
    EXPECT_EQ(index.usedCount(), usedStationCount(base));
}
