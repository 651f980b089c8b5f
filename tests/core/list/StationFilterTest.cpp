#include "core/list/StationFilter.h"
#include "core/list/PassesFilter.h"
#include "core/station/Modulation.h"

#include <gtest/gtest.h>

using namespace kavrin;

namespace {

constexpr std::time_t kNoon = 1704628800; // 2024-01-07 12:00:00 UTC

FreqInfo station(double rx, int modulation = MOD_AM)
{
    FreqInfo r;
    r.freqRX[0] = rx;
    r.modulation = modulation;
    return r;
}

// The codes whose menu items are checked.
std::vector<int> checkedModulations(const StationFilter& f)
{
    std::vector<int> codes;
    for (int code : kMenuModulationOrder) {
        if (f.modulationChecked(code))
            codes.push_back(code);
    }
    return codes;
}

bool shown(const FreqInfo& r, const StationFilter& f)
{
    return passesFilter(r, f, kNoon).passes;
}

StationFilter withRange(RangeKind kind)
{
    StationFilter f;
    f.chooseRange(kind);
    return f;
}

} // namespace

TEST(StationFilter, DefaultsShowEverythingInLocalTimeByFrequency)
{
    const StationFilter f;
    EXPECT_EQ(f.sortKey, SortKey::Frequency);
    EXPECT_TRUE(f.localTimeChecked());
    EXPECT_TRUE(f.allStationsChecked());
    EXPECT_TRUE(f.allModulationsChecked());
    EXPECT_TRUE(checkedModulations(f).empty());
    EXPECT_TRUE(f.rangeChecked(RangeKind::All));
    EXPECT_EQ(f.rangeLow, 0.0f);
    EXPECT_EQ(static_cast<double>(f.rangeHigh), 99999.8984375);
}

TEST(StationFilter, ToggleModulationSequences)
{
    StationFilter f;
    f.toggleModulation(MOD_AM);
    EXPECT_FALSE(f.allModulationsChecked());
    EXPECT_EQ(checkedModulations(f), std::vector<int>{MOD_AM});

    f.toggleModulation(MOD_AM);
    EXPECT_FALSE(f.allModulationsChecked());
    EXPECT_TRUE(checkedModulations(f).empty());

    for (std::size_t i = 0; i < kMenuModulationOrder.size(); ++i) {
        EXPECT_FALSE(f.allModulationsChecked()) << i;
        f.toggleModulation(kMenuModulationOrder[i]);
    }
    EXPECT_TRUE(f.allModulationsChecked());
    EXPECT_TRUE(checkedModulations(f).empty());

    f.toggleModulation(MOD_UNKNOWN); // not a menu item: nothing changes
    f.toggleModulation(9);
    EXPECT_TRUE(f.allModulationsChecked());
}

TEST(StationFilter, ModulationTestUnderEachSelection)
{
    StationFilter all;
    StationFilter amOnly;
    amOnly.toggleModulation(MOD_AM);
    StationFilter none = amOnly;
    none.toggleModulation(MOD_AM);

    struct Case {
        int code;
        bool underAll, underAmOnly, underNone;
    };
    const Case cases[] = {
        {MOD_AM, true, true, false},   {MOD_FM, true, false, false},
        {MOD_DRM, true, false, false}, {MOD_UNKNOWN, true, false, false},
        {9, true, true, true},         {-1, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown(station(7, c.code), all), c.underAll) << c.code;
        EXPECT_EQ(shown(station(7, c.code), amOnly), c.underAmOnly) << c.code;
        EXPECT_EQ(shown(station(7, c.code), none), c.underNone) << c.code;
    }
}

TEST(StationFilter, EachFlagSelectsItsOwnCode)
{
    for (int code : kMenuModulationOrder) {
        StationFilter f;
        f.toggleModulation(code);
        for (int other : kMenuModulationOrder)
            EXPECT_EQ(f.acceptsModulation(other), other == code) << code << " " << other;
    }
}

TEST(StationFilter, RangeBoundariesAreInclusiveInSinglePrecision)
{
    using K = RangeKind;
    struct Case {
        double mhz;
        std::vector<RangeKind> in;
    };
    // 0.3f lies a little above 0.3; 3, 30, 300, 88 and 108 are exact.
    const Case cases[] = {
        {0.0001, {K::LF}},
        {0.3, {K::LF}},
        {0.30001, {K::MW}},
        {3.0, {K::MW, K::SW}},
        {30.0, {K::SW, K::VHF}},
        {88.0, {K::VHF, K::FMBroadcast}},
        {108.0, {K::VHF, K::FMBroadcast}},
        {108.0001, {K::VHF}},
        {300.0, {K::VHF, K::UHF}},
        {99999.8984375, {K::UHF}},
        {99999.9, {}},
    };
    for (const Case& c : cases) {
        for (K kind : {K::LF, K::MW, K::SW, K::VHF, K::FMBroadcast, K::UHF}) {
            const bool expected = std::find(c.in.begin(), c.in.end(), kind) != c.in.end();
            EXPECT_EQ(shown(station(c.mhz), withRange(kind)), expected)
                << c.mhz << " MHz, range " << static_cast<int>(kind);
        }
        EXPECT_TRUE(shown(station(c.mhz), withRange(K::All))) << c.mhz;
    }
}

TEST(StationFilter, StationWithoutFrequenciesOnlyUnderAll)
{
    const FreqInfo silent = station(0);
    EXPECT_TRUE(shown(silent, withRange(RangeKind::All)));
    StationFilter user;
    user.setUserRange(0.0f, 99999.9f);
    EXPECT_FALSE(shown(silent, user));
    for (int k = 1; k <= 6; ++k)
        EXPECT_FALSE(shown(silent, withRange(static_cast<RangeKind>(k)))) << k;
}

TEST(StationFilter, AnySlotOfEitherListCanMatch)
{
    FreqInfo txOnly = station(0);
    txOnly.freqTX[0] = 145.5;
    EXPECT_TRUE(shown(txOnly, withRange(RangeKind::VHF)));
    EXPECT_FALSE(shown(txOnly, withRange(RangeKind::SW)));

    FreqInfo late = station(0.1);
    late.freqTX[9] = 7.1;
    EXPECT_TRUE(shown(late, withRange(RangeKind::SW)));
}

TEST(StationFilter, ChooseRangeSetsTheBoundsAndAllResetsThem)
{
    StationFilter f;
    f.setUserRange(7.0f, 7.3f);
    EXPECT_TRUE(f.rangeChecked(RangeKind::User));
    EXPECT_TRUE(shown(station(7.1), f));
    EXPECT_FALSE(shown(station(7.4), f));

    f.chooseRange(RangeKind::SW);
    EXPECT_TRUE(f.rangeChecked(RangeKind::SW));
    EXPECT_EQ(f.rangeLow, 3.0f);
    EXPECT_EQ(f.rangeHigh, 30.0f);

    f.chooseRange(RangeKind::User); // keeps what the last choice set
    EXPECT_TRUE(f.rangeChecked(RangeKind::User));
    EXPECT_EQ(f.rangeHigh, 30.0f);

    f.chooseRange(RangeKind::All);
    EXPECT_EQ(f.rangeLow, 0.0f);
    EXPECT_EQ(f.rangeHigh, 99999.9f);
    EXPECT_FALSE(f.rangeChecked(RangeKind::User));
}

TEST(StationFilter, ActiveOnlyDropsStationsOffTheAir)
{
    FreqInfo night = station(7.1);
    night.usePattern = 1;
    night.fromHour = 22;
    night.toHour = 6;

    StationFilter f;
    FilterVerdict v = passesFilter(night, f, kNoon);
    EXPECT_TRUE(v.passes);
    EXPECT_FALSE(v.onAir);

    f.showActiveStations();
    EXPECT_TRUE(f.activeStationsChecked());
    EXPECT_FALSE(passesFilter(night, f, kNoon).passes);
    v = passesFilter(night, f, kNoon + 11 * 3600); // 23:00
    EXPECT_TRUE(v.passes);
    EXPECT_TRUE(v.onAir);

    f.toggleActive();
    EXPECT_TRUE(f.allStationsChecked());
    f.toggleActive();
    EXPECT_TRUE(f.activeStationsChecked());
    f.showAllStations();
    EXPECT_FALSE(f.activeStationsChecked());
}

TEST(StationFilter, OnAirIsOnlyJudgedForStationsThatPassedTheFirstTests)
{
    StationFilter f;
    f.toggleModulation(MOD_FM);
    const FilterVerdict v = passesFilter(station(7.1, MOD_AM), f, kNoon); // always on the air
    EXPECT_FALSE(v.passes);
    EXPECT_FALSE(v.onAir);
    EXPECT_TRUE(passesFilter(station(7.1, MOD_FM), f).onAir);
}

TEST(StationFilter, TimeAndSortChecks)
{
    StationFilter f;
    f.chooseGmtTime();
    EXPECT_TRUE(f.gmtTimeChecked());
    EXPECT_FALSE(f.localTimeChecked());
    f.chooseLocalTime();
    EXPECT_TRUE(f.localTimeChecked());

    f.sortBy(SortKey::Location);
    EXPECT_TRUE(f.sortChecked(SortKey::Location));
    EXPECT_FALSE(f.sortChecked(SortKey::Frequency));
}
