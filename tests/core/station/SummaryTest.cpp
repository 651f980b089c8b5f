#include "core/station/Summary.h"
#include "core/base/ORVImpl.h"
#include "core/system/Clock.h"
#include "core/text/HourText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string>

using namespace kavrin;

namespace {

constexpr int kHour = 3600;

FreqInfo station(std::initializer_list<double> rx, std::initializer_list<double> tx,
                 int modulation = 1024)
{
    FreqInfo r;
    int i = 0;
    for (double v : rx)
        r.freqRX[i++] = v;
    i = 0;
    for (double v : tx)
        r.freqTX[i++] = v;
    r.modulation = modulation;
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

FreqInfo withTexts(FreqInfo r, const std::u16string& location, const std::u16string& comment)
{
    r.stLoc = location;
    r.stComment = comment;
    return r;
}

std::u16string summaryAt(const FreqInfo& r, bool localTime = false, int offset = 0)
{
    std::u16string name, summary;
    MakeSummaryAt(r, name, summary, localTime, offset);
    return summary;
}

std::u16string summaryNow(const FreqInfo& r, bool localTime)
{
    std::u16string name, summary;
    ORVImpl::MakeSummary(r, name, summary, localTime);
    return summary;
}

// Every test leaves the process with the system clock and the default time format.
class SummaryText : public ::testing::Test {
protected:
    void TearDown() override
    {
        setClockSource(nullptr);
        setHourFormatter(nullptr);
    }
};

} // namespace

TEST_F(SummaryText, BuildsTheDocumentedLines)
{
    struct Case {
        FreqInfo record;
        std::u16string expected;
    };
    const Case cases[] = {
        {withTexts(station({5.95, 9.58}, {}, 0), u"London", u""),
         u"5.95, 9.58 MHz, AM; 24h; London;"},
        {withHours(station({}, {3.5}, 4), 22, 0, 6, 30), u"TX: 3.5 MHz, CW; 22:00-06:30 GMT;"},
        {withHours(station({145.5}, {145.9}, 1), 6, 0, 22, 0),
         u"RX: 145.5 MHz; TX: 145.9 MHz FM; 06:00-22:00 GMT;"},
        {station({}, {}), u"RX: MHz; TX: MHz 24h;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(summaryAt(c.record), c.expected);
}

TEST_F(SummaryText, ChoosesTheFrequencyFormByUsableCounts)
{
    struct Case {
        FreqInfo record;
        std::u16string expected;
    };
    const Case cases[] = {
        // Unusable values still print, but do not count towards the form.
        {station({100000}, {}), u"RX: 100000 MHz; TX: MHz 24h;"},
        {station({-1}, {3.5}), u"TX: 3.5 MHz, 24h;"},
        {station({7.1, 0, 9.4}, {}), u"7.1, 9.4 MHz, 24h;"},
        {station({}, {0, 0, 14.07}), u"TX: 14.07 MHz, 24h;"},
        {station({145.512345678}, {}), u"145.512346 MHz, 24h;"},
        {station({1, 2}, {3, 0, 4}), u"RX: 1, 2 MHz; TX: 3, 4 MHz 24h;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(summaryAt(c.record), c.expected);
}

TEST_F(SummaryText, PrintsTheModulationTokenOfCodesZeroToSeven)
{
    struct Case {
        int code;
        std::u16string expected;
    };
    const Case cases[] = {
        {0, u"7 MHz, AM; 24h;"},  {1, u"7 MHz, FM; 24h;"},  {2, u"7 MHz, USB; 24h;"},
        {3, u"7 MHz, LSB; 24h;"}, {4, u"7 MHz, CW; 24h;"},  {5, u"7 MHz, Dig; 24h;"},
        {6, u"7 MHz, NFM; 24h;"}, {7, u"7 MHz, DRM; 24h;"}, {1024, u"7 MHz, 24h;"},
        {8, u"7 MHz, 24h;"},      {-1, u"7 MHz, 24h;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(summaryAt(station({7}, {}, c.code)), c.expected) << c.code;
}

TEST_F(SummaryText, ShowsTheWholeDayAs24h)
{
    const FreqInfo rx = station({7}, {});
    EXPECT_EQ(summaryAt(withHours(rx, 0, 0, 23, 59)), u"7 MHz, 24h;");
    EXPECT_EQ(summaryAt(withHours(rx, 0, 0, 23, 59), true, 2 * kHour), u"7 MHz, 24h;");
    EXPECT_EQ(summaryAt(withHours(rx, 0, 0, 23, 58)), u"7 MHz, 00:00-23:58 GMT;");
    FreqInfo ignoredHours = withHours(rx, 6, 0, 22, 0);
    ignoredHours.usePattern = 0;
    EXPECT_EQ(summaryAt(ignoredHours), u"7 MHz, 24h;");
}

TEST_F(SummaryText, EndsWithLocationAndComment)
{
    const FreqInfo rx = station({7}, {}, 0);
    EXPECT_EQ(summaryAt(withTexts(rx, u"", u"Test")), u"7 MHz, AM; 24h; Test;");
    EXPECT_EQ(summaryAt(withTexts(rx, u"X", u"Y")), u"7 MHz, AM; 24h; X; Y;");
    EXPECT_EQ(summaryAt(withTexts(rx, u"Москва", u"")), u"7 MHz, AM; 24h; Москва;");
}

TEST_F(SummaryText, ShiftsHoursToLocalTimeAndWrapsPastMidnight)
{
    struct Case {
        int from[2], to[2], offset;
        std::u16string expected;
    };
    const Case cases[] = {
        {{23, 0}, {6, 30}, 2 * kHour, u"7 MHz, 01:00-08:30;"},
        {{2, 0}, {4, 15}, -5 * kHour, u"7 MHz, 21:00-23:15;"},
        {{22, 0}, {6, 30}, 5 * kHour + 45 * 60, u"7 MHz, 03:45-12:15;"},
        {{0, 0}, {12, 0}, -1, u"7 MHz, 23:59-11:59;"}, // 23:59:59 shown without seconds
        {{6, 0}, {22, 0}, 0, u"7 MHz, 06:00-22:00;"},
    };
    for (const Case& c : cases) {
        const FreqInfo r = withHours(station({7}, {}), c.from[0], c.from[1], c.to[0], c.to[1]);
        EXPECT_EQ(summaryAt(r, true, c.offset), c.expected) << c.offset;
    }
}

TEST_F(SummaryText, MakeSummaryTakesTheOffsetFromTheClock)
{
    setClockSource([] { return ClockReading{0, 3 * kHour}; });
    const FreqInfo r = withHours(station({7}, {}, 0), 22, 0, 6, 30);
    EXPECT_EQ(summaryNow(r, true), u"7 MHz, AM; 01:00-09:30;");
    EXPECT_EQ(summaryNow(r, false), u"7 MHz, AM; 22:00-06:30 GMT;");
}

TEST_F(SummaryText, GivesTheNameAndReplacesEarlierOutput)
{
    FreqInfo r = station({7}, {});
    r.stName = std::u16string(u"Radio A");
    std::u16string name = u"old";
    std::u16string summary = u"old summary";
    MakeSummaryAt(r, name, summary, false, 0);
    EXPECT_EQ(name, u"Radio A");
    EXPECT_EQ(summary, u"7 MHz, 24h;");
}

TEST_F(SummaryText, ShowsOutOfRangeHoursAsStoredWithoutShifting)
{
    struct Case {
        int from[2], to[2];
        std::u16string gmt, local; // local: at UTC+2
    };
    const Case cases[] = {
        {{22, 0}, {24, 30}, u"7 MHz, 22:00-24:30 GMT;", u"7 MHz, 00:00-24:30;"},
        {{99, 99}, {6, 0}, u"7 MHz, 99:99-06:00 GMT;", u"7 MHz, 99:99-08:00;"},
        {{-1, -5}, {6, 60}, u"7 MHz, -01:-05-06:60 GMT;", u"7 MHz, -01:-05-06:60;"},
        {{INT_MAX, INT_MIN},
         {0, 0},
         u"7 MHz, 2147483647:-2147483648-00:00 GMT;",
         u"7 MHz, 2147483647:-2147483648-02:00;"},
    };
    for (const Case& c : cases) {
        const FreqInfo r = withHours(station({7}, {}), c.from[0], c.from[1], c.to[0], c.to[1]);
        EXPECT_EQ(summaryAt(r, false), c.gmt);
        EXPECT_EQ(summaryAt(r, true, 2 * kHour), c.local);
    }
}

TEST_F(SummaryText, HourTextUsesTheInstalledFormatterForValidTimesOnly)
{
    EXPECT_EQ(FormatHourTextAt(6, 5, false, 0), u"06:05");
    setHourFormatter([](int hour, int minute) {
        return u"h" + std::u16string(1, char16_t(u'a' + hour)) +
               std::u16string(1, char16_t(u'a' + minute));
    });
    EXPECT_EQ(FormatHourTextAt(1, 2, false, 0), u"hbc");
    EXPECT_EQ(FormatHourTextAt(23, 0, true, 2 * kHour), u"hba"); // gets the shifted time
    EXPECT_EQ(FormatHourTextAt(24, 30, false, 0), u"24:30");
    setHourFormatter(nullptr);
    EXPECT_EQ(FormatHourTextAt(1, 2, false, 0), u"01:02");
}

TEST_F(SummaryText, HourTextReadsTheClockOnlyForLocalTime)
{
    setClockSource([] { return ClockReading{0, -90 * 60}; });
    EXPECT_EQ(FormatHourText(1, 0, true), u"23:30");
    EXPECT_EQ(FormatHourText(1, 0, false), u"01:00");
}

#ifndef _WIN32
// The system clock's offset, through the whole chain, in fixed zones east and west of UTC.
TEST_F(SummaryText, SystemClockGivesTheZoneOffset)
{
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    struct Case {
        const char* zone;
        std::u16string expected;
    };
    const Case cases[] = {
        {"UTC0", u"23:00"},
        {"<+03>-3", u"02:00"},
        {"<-0530>5:30", u"17:30"},
        {"<+14>-14", u"13:00"},
    };
    for (const Case& c : cases) {
        setenv("TZ", c.zone, 1);
        tzset();
        EXPECT_EQ(FormatHourText(23, 0, true), c.expected) << c.zone;
    }
    if (saved)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
#endif
