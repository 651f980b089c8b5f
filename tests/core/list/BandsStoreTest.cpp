#include "core/list/BandsStore.h"
#include "tests/core/list/MapProfile.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace kavrin;

namespace {

BandInfo band(const std::u16string& name, float low, float high)
{
    return {name, low, high};
}

int savedInt(const MapProfile& p, const std::string& name)
{
    return p.ints.at({"Bands", name});
}

std::u16string savedName(const MapProfile& p, int n)
{
    return p.strings.at({"Bands", "FreqName-" + std::to_string(n)});
}

// A profile holding `bands` as saved values with the given Count.
MapProfile profileWith(int count, std::initializer_list<std::tuple<int, int, std::u16string>> bands)
{
    MapProfile p;
    p.ints[{"Bands", "Count"}] = count;
    int n = 0;
    for (const auto& [low, high, name] : bands) {
        const std::string number = std::to_string(n++);
        p.ints[{"Bands", "FreqMin-" + number}] = low;
        p.ints[{"Bands", "FreqMax-" + number}] = high;
        p.strings[{"Bands", "FreqName-" + number}] = name;
    }
    return p;
}

} // namespace

TEST(BandsStore, NeverSavedProfileGivesTheDefaultsAndSavesThemAll)
{
    MapProfile profile;
    BandsStore store;
    store.Load(profile);
    ASSERT_EQ(store.bands().size(), 16u);
    EXPECT_EQ(store.bands()[0].name, u"160 Meters");
    EXPECT_EQ(store.bands()[3].low, 7.0f);
    EXPECT_EQ(store.bands()[3].high, 7.3f);
    EXPECT_EQ(store.bands()[15].name, u"0.23 Meters");

    store.Save(profile);
    EXPECT_EQ(savedInt(profile, "Count"), 16);
    EXPECT_EQ(savedInt(profile, "FreqMin-0"), 1800);
    EXPECT_EQ(savedInt(profile, "FreqMax-0"), 2000);
    EXPECT_EQ(savedInt(profile, "FreqMin-6"), 18068);
    EXPECT_EQ(savedInt(profile, "FreqMax-15"), 1300000);
    EXPECT_EQ(savedName(profile, 15), u"0.23 Meters");
}

TEST(BandsStore, CountZeroOrBelowGivesAnEmptyList)
{
    for (int count : {0, -5}) {
        BandsStore store;
        store.Load(profileWith(count, {{7000, 7300, u"40 m"}}));
        EXPECT_TRUE(store.bands().empty()) << count;
        const std::vector<BandListItem> items = store.listItems();
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].label, u" None");
        EXPECT_EQ(items[0].data, BandsStore::kNoBand);
    }
}

TEST(BandsStore, DamagedCountDoesNotStallTheLoad)
{
    BandsStore store;
    const auto start = std::chrono::steady_clock::now();
    store.Load(profileWith(2147483647, {{7000, 7300, u"40 m"}}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(store.bands().size(), 1u);
    EXPECT_EQ(store.bands()[0].name, u"40 m");
}

TEST(BandsStore, LoadSkipsBandsWithoutNameOrEdgeAndReplacesTheList)
{
    BandsStore store;
    store.loadDefaults();
    store.Load(profileWith(5, {{7000, 7300, u"40 m"},
                               {0, 7300, u"no low"},
                               {7000, 0, u"no high"},
                               {5900, 6200, u""},
                               {14000, 14350, u"20 m"}}));
    ASSERT_EQ(store.bands().size(), 2u);
    EXPECT_EQ(store.bands()[0].name, u"40 m");
    EXPECT_EQ(store.bands()[0].high, 7.3f);
    EXPECT_EQ(store.bands()[1].name, u"20 m");
    EXPECT_EQ(store.bands()[1].low, 14.0f);
}

TEST(BandsStore, SaveRenumbersDenselyAfterDeletes)
{
    MapProfile profile;
    BandsStore store;
    store.Load(profile);
    store.Save(profile);
    EXPECT_TRUE(store.remove(1));
    EXPECT_TRUE(store.remove(3));
    store.Save(profile);

    EXPECT_EQ(savedInt(profile, "Count"), 14);
    EXPECT_EQ(savedName(profile, 0), u"160 Meters");
    EXPECT_EQ(savedName(profile, 1), u"60 Meters");
    EXPECT_EQ(savedName(profile, 2), u"30 Meters");
    EXPECT_EQ(savedInt(profile, "FreqMin-2"), 10100);
    // The two values past the new Count are left behind, unread.
    EXPECT_EQ(savedName(profile, 15), u"0.23 Meters");

    BandsStore reloaded;
    reloaded.Load(profile);
    EXPECT_EQ(reloaded.bands().size(), 14u);
    EXPECT_EQ(reloaded.bands()[13].name, u"0.23 Meters");
}

TEST(BandsStore, EdgesKeepWholeKilohertzAcrossASave)
{
    MapProfile profile;
    BandsStore store;
    store.Load(profileWith(0, {}));
    store.append(band(u"odd", 7.0004f, 7.0005f));
    store.append(band(u"tiny", 0.0004f, 1.0f));
    store.Save(profile);
    EXPECT_EQ(savedInt(profile, "FreqMin-0"), 7000);
    EXPECT_EQ(savedInt(profile, "FreqMax-0"), 7001);
    EXPECT_EQ(savedInt(profile, "FreqMin-1"), 0);

    store.Load(profile);
    ASSERT_EQ(store.bands().size(), 1u); // "tiny" came back with a 0 edge
    EXPECT_EQ(store.bands()[0].low, 7.0f);
    EXPECT_EQ(store.bands()[0].high, 7.001f);
}

TEST(BandsStore, ListItemsLabelNamedBandsWithTheirIndex)
{
    BandsStore store;
    store.reset();
    store.remove(0);
    EXPECT_EQ(store.append(band(u"49 m", 5.9f, 6.2f)), 16);

    const std::vector<BandListItem> items = store.listItems();
    ASSERT_EQ(items.size(), 17u); // " None", 15 defaults, the new one
    EXPECT_EQ(items[0].label, u" None");
    EXPECT_EQ(items[0].data, BandsStore::kNoBand);
    EXPECT_EQ(items[1].label, u"80 Meters (3.500-4.000)");
    EXPECT_EQ(items[1].data, 1);
    EXPECT_EQ(items[3].label, u"40 Meters (7.000-7.300)");
    EXPECT_EQ(items[3].data, 3);
    EXPECT_EQ(items[16].label, u"49 m (5.900-6.200)");
    EXPECT_EQ(items[16].data, 16);
}

TEST(BandsStore, EdgesForSelection)
{
    BandsStore store;
    store.reset();
    store.remove(5);

    const auto none = store.edgesFor(BandsStore::kNoBand);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->low, u"0.00");
    EXPECT_EQ(none->high, u"99999.99");

    const auto forty = store.edgesFor(3);
    ASSERT_TRUE(forty);
    EXPECT_EQ(forty->low, u"7.000");
    EXPECT_EQ(forty->high, u"7.300");

    EXPECT_FALSE(store.edgesFor(5));  // deleted
    EXPECT_FALSE(store.edgesFor(16)); // past the end
    EXPECT_FALSE(store.edgesFor(-1));
}

TEST(BandsStore, RemoveRefusesNoneAndBandsThatAreNotThere)
{
    BandsStore store;
    store.reset();
    EXPECT_FALSE(store.remove(BandsStore::kNoBand));
    EXPECT_FALSE(store.remove(16));
    EXPECT_FALSE(store.remove(-1));
    EXPECT_TRUE(store.remove(2));
    EXPECT_FALSE(store.remove(2));
    EXPECT_EQ(store.bands().size(), 16u); // positions are kept
    EXPECT_EQ(store.bands()[3].name, u"40 Meters");
}

TEST(BandsStore, ResetReplacesEverythingWithTheDefaults)
{
    MapProfile profile;
    BandsStore store;
    store.Load(profileWith(1, {{7000, 7300, u"mine"}}));
    store.append(band(u"more", 1.0f, 2.0f));
    store.reset();
    store.Save(profile); // what a Cancel after "Reset list" still writes
    EXPECT_EQ(savedInt(profile, "Count"), 16);
    EXPECT_EQ(savedName(profile, 0), u"160 Meters");
}
