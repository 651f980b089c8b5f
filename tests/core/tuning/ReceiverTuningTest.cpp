#include "core/base/ORVImpl.h"
#include "core/station/Modulation.h"
#include "core/tuning/ReceiverMode.h"
#include "core/tuning/ReceiverText.h"
#include "core/tuning/StationsOnFrequency.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using namespace kavrin;

namespace {

// Tuesday 2026-12-08 21:30 UTC.
constexpr std::time_t kEvening = 1'796'765'400;

FreqInfo station(const std::u16string& name, std::initializer_list<double> rx)
{
    FreqInfo r;
    r.stName = name;
    int i = 0;
    for (double v : rx)
        r.freqRX[i++] = v;
    return r;
}

FreqInfo withHours(FreqInfo r, int fromHour, int fromMin, int toHour, int toMin)
{
    r.usePattern = 1;
    r.fromHour = fromHour;
    r.fromMin = fromMin;
    r.toHour = toHour;
    r.toMin = toMin;
    return r;
}

std::vector<std::u16string> names(const ORVImpl& base, const std::vector<FrequencyMatch>& found)
{
    std::vector<std::u16string> out;
    for (const FrequencyMatch& m : found)
        out.push_back(base[m.index].stName);
    return out;
}

} // namespace

TEST(ReceiverTuning, ModulationGivesTheReceiverMode)
{
    struct Case {
        int modulation;
        double mhz;
        std::optional<ReceiverMode> mode;
    };
    const Case cases[] = {
        {MOD_AM, 9.58, ReceiverMode::AM},   {MOD_FM, 88.0, ReceiverMode::WFM},
        {MOD_FM, 108.0, ReceiverMode::WFM}, {MOD_FM, 87.9, ReceiverMode::FM},
        {MOD_FM, 108.1, ReceiverMode::FM},  {MOD_FM, 27.065, ReceiverMode::FM},
        {MOD_NFM, 100.0, ReceiverMode::FM}, {MOD_USB, 14.2, ReceiverMode::USB},
        {MOD_LSB, 3.6, ReceiverMode::LSB},  {MOD_CW, 7.03, ReceiverMode::CW},
        {MOD_DRM, 9.91, ReceiverMode::USB}, {MOD_DIGITAL, 4.583, ReceiverMode::USB},
        {MOD_UNKNOWN, 9.91, std::nullopt},  {42, 9.91, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(modeForModulation(c.modulation, c.mhz), c.mode) << c.modulation << " " << c.mhz;
}

TEST(ReceiverTuning, StationsNearAFrequencyOnAirFirstThenNearestFirst)
{
    ORVImpl base;
    base.Add(station(u"Off, exact", {9.91}));
    base[0] = withHours(base[0], 12, 15, 12, 45);
    base.Add(station(u"Edge", {9.915}));
    base.Add(station(u"Past the edge", {9.9151}));
    base.Add(station(u"Second slot", {5.0, 9.909}));
    base.Add(station(u"Below", {9.906}));
    base.Add(FreqInfo()); // unused
    base[5].freqRX[0] = 9.91;
    base.Add(station(u"Broadcast", {100.04}));
    base.Add(station(u"Band edge", {29.9949, 30.04}));
    base.Add(station(u"Slot out of range", {9.91 + kFreqLimit}));

    struct Case {
        double mhz;
        double toleranceKhz;
        std::vector<std::u16string> expected;
    };
    const Case cases[] = {
        {9.91, 5, {u"Second slot", u"Below", u"Edge", u"Off, exact"}},
        {9.91, 0, {u"Off, exact"}},
        {9.9101, 0.1, {u"Off, exact"}},
        {100.0, defaultToleranceKhz(100.0), {u"Broadcast"}},
        {100.0, 10, {}},
        {29.99, defaultToleranceKhz(29.99), {u"Band edge"}},
        {29.999, defaultToleranceKhz(29.999), {u"Band edge"}},
        {30.0, defaultToleranceKhz(30.0), {u"Band edge"}},
        {29.98, defaultToleranceKhz(29.98), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(names(base, stationsOnFrequency(base, c.mhz, c.toleranceKhz, kEvening)),
                  c.expected)
            << c.mhz << " " << c.toleranceKhz;

    const std::vector<FrequencyMatch> found = stationsOnFrequency(base, 9.91, 5, kEvening);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].index, 3);
    EXPECT_DOUBLE_EQ(found[0].offsetKhz, -1.0);
    EXPECT_TRUE(found[0].onAir);
    EXPECT_FALSE(found[3].onAir);
    EXPECT_EQ(defaultToleranceKhz(29.999), 5.0);
    EXPECT_EQ(defaultToleranceKhz(30.0), 50.0);
}

TEST(ReceiverTuning, Texts)
{
    EXPECT_EQ(receiverFrequencyText(9.91), u"9.910 MHz");
    EXPECT_EQ(receiverFrequencyText(145.6125), u"145.6125 MHz");
    EXPECT_EQ(receiverFrequencyText(7.0000004), u"7.000 MHz");
    EXPECT_EQ(receiverFrequencyText(0.0775), u"0.0775 MHz");
    EXPECT_EQ(tunedText(9.91, ReceiverMode::USB), u"Tuned to 9.910 MHz, USB");
    EXPECT_EQ(tunedText(100.5, std::nullopt), u"Tuned to 100.500 MHz");

    const FreqInfo ktwr = withHours(station(u"KTWR DRM (Mandarin)", {9.91}), 13, 15, 13, 45);
    const FreqInfo allDay = station(u"WWV", {10.0});
    struct Case {
        const FreqInfo* station;
        bool onAir;
        bool localTime;
        std::u16string expected;
    };
    const Case cases[] = {
        {&ktwr, true, false,
         u"Receiver 9.910 MHz: KTWR DRM (Mandarin), on the air until 13:45 GMT"},
        {&ktwr, true, true, u"Receiver 9.910 MHz: KTWR DRM (Mandarin), on the air until 15:45"},
        {&ktwr, false, false,
         u"Receiver 9.910 MHz: KTWR DRM (Mandarin), off the air (13:15-13:45 GMT)"},
        {&allDay, true, true, u"Receiver 9.910 MHz: WWV, on the air"},
        {&allDay, false, true, u"Receiver 9.910 MHz: WWV, off the air"},
        {nullptr, false, true, u"Receiver 9.910 MHz: no station"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(receiverStatusText(9.91, c.station, c.onAir, c.localTime, 2 * 3600), c.expected);
}
