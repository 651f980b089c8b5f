#include "core/file/PendingStations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kavrin;

namespace {

const char* const kNames[] = {"StName",    "StLoc",        "StFreq",     "StFreqRX",
                              "StFreqTX",  "StModulation", "UsePattern", "StComment",
                              "SoundsFld", "ShowPropGMT",  "WorkHours",  "Days"};

} // namespace

TEST(StationAttributes, FindsEveryNameAndNoOther)
{
    const std::vector<std::optional<std::string_view> StationAttributes::*> members = {
        &StationAttributes::name,       &StationAttributes::loc,
        &StationAttributes::freq,       &StationAttributes::freqRX,
        &StationAttributes::freqTX,     &StationAttributes::modulation,
        &StationAttributes::usePattern, &StationAttributes::comment,
        &StationAttributes::soundsFld,  &StationAttributes::showPropGMT,
        &StationAttributes::workHours,  &StationAttributes::days};
    ASSERT_EQ(members.size(), StationAttributes::kCount);
    for (std::size_t i = 0; i < StationAttributes::kCount; ++i) {
        SCOPED_TRACE(kNames[i]);
        const std::size_t index = StationAttributes::indexOf(kNames[i]);
        ASSERT_LT(index, StationAttributes::kCount);
        StationAttributes station;
        station[index] = kNames[i];
        EXPECT_EQ(station.*members[i], kNames[i]);
    }
    for (const char* other : {"", "stname", "StNamf", "AtName", "StNam", "StNameX", "StFreqXX",
                              "StFreqRx", "Day", "Days ", "Other", "StModulationX"})
        EXPECT_EQ(StationAttributes::indexOf(other), StationAttributes::kCount) << other;
}

TEST(PendingStations, GivesBackEveryValueOfEveryStation)
{
    // Values up to and past the length that takes a longer header.
    const std::vector<std::string> values = {"",
                                             "a",
                                             std::string(254, 'x'),
                                             std::string(255, 'y'),
                                             std::string(256, 'z'),
                                             std::string(70000, 'w'),
                                             std::string("n\0ul", 4)};
    PendingStations pending;
    pending.reserve(2, 16); // too little: the store grows
    std::vector<std::vector<std::pair<std::size_t, std::string>>> added;
    for (std::size_t station = 0; station < 6; ++station) {
        pending.beginStation();
        added.emplace_back();
        for (std::size_t attribute = station % 3; attribute < StationAttributes::kCount;
             attribute += 1 + station) {
            const std::string& value = values[(attribute + station) % values.size()];
            pending.add(attribute, value);
            added.back().emplace_back(attribute, value);
        }
    }
    pending.beginStation(); // a station without attributes
    added.emplace_back();
    // Enough stations to be taken in two halves.
    for (std::size_t more = 0; more < 9000; ++more) {
        pending.beginStation();
        const std::string value = std::to_string(more);
        pending.add(more % StationAttributes::kCount, value);
        added.push_back({{more % StationAttributes::kCount, value}});
    }
    ASSERT_EQ(pending.size(), added.size());
    ASSERT_GT(pending.middle(), 0u);

    std::size_t station = 0;
    const auto check = [&](StationAttributes& got) {
        ASSERT_LT(station, added.size());
        std::vector<bool> seen(StationAttributes::kCount, false);
        for (const auto& [attribute, value] : added[station]) {
            seen[attribute] = true;
            EXPECT_EQ(got[attribute], value) << "station " << station << ", " << kNames[attribute];
        }
        for (std::size_t attribute = 0; attribute < StationAttributes::kCount; ++attribute) {
            EXPECT_TRUE(seen[attribute] || !got[attribute].has_value())
                << "station " << station << ", " << kNames[attribute];
        }
        ++station;
    };
    pending.forEach(0, pending.middle(), check);
    EXPECT_EQ(station, pending.middle());
    pending.forEach(pending.middle(), pending.size(), check);
    EXPECT_EQ(station, added.size());
}
