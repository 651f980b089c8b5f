#include "core/station/OnAir.h"
#include "core/system/Clock.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kavrin;

namespace {

enum Weekday { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

constexpr int kAllDays = 127;
constexpr std::time_t kSunday20240107 = 1704585600; // 2024-01-07 00:00:00 UTC, a Sunday

std::time_t at(Weekday day, int hour, int minute, int second = 0)
{
    return kSunday20240107 + day * 86400 + hour * 3600 + minute * 60 + second;
}

// Days as the station file's bit mask: bit 0 Sunday … bit 6 Saturday.
FreqInfo hours(int fromHour, int fromMin, int toHour, int toMin, int dayMask = kAllDays)
{
    FreqInfo r;
    r.usePattern = 1;
    r.fromHour = fromHour;
    r.fromMin = fromMin;
    r.toHour = toHour;
    r.toMin = toMin;
    for (int i = 0; i < 7; ++i)
        r.days[i] = (dayMask >> i) & 1;
    return r;
}

struct Case {
    const char* what;
    FreqInfo record;
    std::time_t utc;
    bool onAir;
};

void expectAll(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(IsWorkingAt(c.record, c.utc), c.onAir) << c.what;
}

} // namespace

TEST(OnAir, WithoutPatternAlwaysOnTheAir)
{
    FreqInfo r = hours(99, 99, -1, 0, 0);
    r.usePattern = 0;
    for (std::time_t t : {at(Sun, 0, 0), at(Wed, 23, 59, 59), at(Sat, 12, 0), std::time_t{-1}})
        EXPECT_TRUE(IsWorkingAt(r, t)) << t;
}

TEST(OnAir, SameDayWindowIncludesBothEndsToTheMinute)
{
    const FreqInfo day = hours(6, 0, 22, 0);
    expectAll({
        {"start", day, at(Tue, 6, 0, 0), true},
        {"end", day, at(Tue, 22, 0, 0), true},
        {"second before start", day, at(Tue, 5, 59, 59), false},
        {"second after end", day, at(Tue, 22, 0, 1), false},
        {"midday", day, at(Tue, 12, 0), true},
    });
}

TEST(OnAir, WholeDayPatternLosesTheLast59Seconds)
{
    const FreqInfo allDay = hours(0, 0, 23, 59);
    expectAll({
        {"midnight", allDay, at(Thu, 0, 0, 0), true},
        {"23:59:00", allDay, at(Thu, 23, 59, 0), true},
        {"23:59:01", allDay, at(Thu, 23, 59, 1), false},
        {"23:59:59", allDay, at(Thu, 23, 59, 59), false},
    });
}

TEST(OnAir, MidnightWindowIsTwoPiecesOfTheSameUtcDay)
{
    const FreqInfo night = hours(22, 0, 6, 30);
    const FreqInfo mondayNight = hours(22, 0, 6, 30, 1 << Mon);
    const FreqInfo fridayNight = hours(22, 0, 2, 0, 1 << Fri);
    expectAll({
        {"late piece", night, at(Wed, 23, 30), true},
        {"early piece", night, at(Wed, 3, 0), true},
        {"midday", night, at(Wed, 12, 0), false},
        {"lost seconds", night, at(Wed, 23, 59, 30), false},
        {"start", night, at(Wed, 22, 0, 0), true},
        {"before start", night, at(Wed, 21, 59, 59), false},
        {"end", night, at(Wed, 6, 30, 0), true},
        {"after end", night, at(Wed, 6, 30, 1), false},
        {"Monday morning", mondayNight, at(Mon, 3, 0), true},
        {"Monday night", mondayNight, at(Mon, 23, 0), true},
        {"Tuesday morning", mondayNight, at(Tue, 3, 0), false},
        {"Sunday night", mondayNight, at(Sun, 23, 0), false},
        {"Friday morning", fridayNight, at(Fri, 0, 30), true},
        {"Friday night", fridayNight, at(Fri, 22, 30), true},
        {"Saturday morning", fridayNight, at(Sat, 1, 0), false},
    });
}

TEST(OnAir, DayFlagOfTheUtcDateDecides)
{
    const FreqInfo sunday = hours(8, 0, 12, 0, 1 << Sun);
    const FreqInfo weekdays = hours(8, 0, 12, 0, 62);
    expectAll({
        {"Sunday", sunday, at(Sun, 10, 0), true},
        {"Saturday", sunday, at(Sat, 10, 0), false},
        {"next Monday", sunday, at(Mon, 10, 0), false},
        {"a week later", sunday, at(Sun, 10, 0) + 7 * 86400, true},
        {"weekday", weekdays, at(Fri, 10, 0), true},
        {"weekend", weekdays, at(Sat, 10, 0), false},
        {"no day set", hours(0, 0, 23, 59, 0), at(Mon, 10, 0), false},
    });
}

TEST(OnAir, DegenerateWindows)
{
    const FreqInfo reversed = hours(10, 30, 10, 15);
    const FreqInfo instant = hours(0, 0, 0, 0);
    expectAll({
        {"reversed minutes, between", reversed, at(Mon, 10, 20), false},
        {"reversed minutes, start", reversed, at(Mon, 10, 30), false},
        {"reversed minutes, end", reversed, at(Mon, 10, 15), false},
        {"00:00-00:00 at midnight", instant, at(Mon, 0, 0, 0), true},
        {"00:00-00:00 a second later", instant, at(Mon, 0, 0, 1), false},
        {"00:00-00:00 midday", instant, at(Mon, 12, 0), false},
    });
}

TEST(OnAir, MomentsBefore1970FallOnTheirOwnDay)
{
    // 1969-12-31 was a Wednesday; time_t -3600 is its 23:00 UTC.
    expectAll({
        {"Wednesday", hours(22, 0, 23, 30, 1 << Wed), -3600, true},
        {"not Thursday", hours(22, 0, 23, 30, 1 << Thu), -3600, false},
        {"its first minute", hours(0, 0, 0, 5, 1 << Wed), -86400 + 60, true},
        {"its first minute, not Tuesday", hours(0, 0, 0, 5, 1 << Tue), -86400 + 60, false},
    });
}

TEST(OnAir, OutOfRangeHoursAreNeverOnTheAir)
{
    expectAll({
        {"end 24:30", hours(22, 0, 24, 30), at(Mon, 23, 0), false},
        {"end 24:30, early", hours(22, 0, 24, 30), at(Mon, 0, 10), false},
        {"99:99", hours(99, 99, 99, 99), at(Mon, 12, 0), false},
        {"minute 60", hours(6, 60, 22, 0), at(Mon, 12, 0), false},
        {"negative", hours(-1, 0, 22, 0), at(Mon, 12, 0), false},
        {"extremes", hours(INT_MIN, INT_MAX, INT_MAX, INT_MIN), at(Mon, 12, 0), false},
    });
}

class OnAirNow : public ::testing::Test {
protected:
    void TearDown() override { setClockSource(nullptr); }
};

TEST_F(OnAirNow, IsTheUtcMomentOfTheClock)
{
    // Monday 01:00 at UTC+3 is still Sunday 22:00 UTC.
    setClockSource([] { return ClockReading{at(Sun, 22, 0), 3 * 3600}; });
    EXPECT_TRUE(IsWorkingNow(hours(21, 0, 23, 0, 1 << Sun)));
    EXPECT_FALSE(IsWorkingNow(hours(21, 0, 23, 0, 1 << Mon)));
    EXPECT_FALSE(IsWorkingNow(hours(0, 0, 2, 0, 1 << Mon)));
}
