#include "core/system/Clock.h"

#include <atomic>

namespace kavrin {

namespace {

bool toUtc(std::time_t t, std::tm& out)
{
#ifdef _WIN32
    return gmtime_s(&out, &t) == 0;
#else
    return gmtime_r(&t, &out) != nullptr;
#endif
}

// Local minus UTC from the broken-down forms of one moment. The two calendar dates are at most
// one day apart, and across a year end the day of the year restarts, so the year decides then.
int offsetBetween(const std::tm& local, const std::tm& utc)
{
    int dayDifference = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year)
        dayDifference = local.tm_year > utc.tm_year ? 1 : -1;
    return dayDifference * 86400 + (local.tm_hour - utc.tm_hour) * 3600 +
           (local.tm_min - utc.tm_min) * 60 + (local.tm_sec - utc.tm_sec);
}

ClockReading readSystemClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    std::tm local{};
    if (!toUtc(now, utc) || !toLocalTime(now, local))
        return {now, 0};
    return {now, offsetBetween(local, utc)};
}

std::atomic<ClockSource> g_clockSource{nullptr};

} // namespace

bool toLocalTime(std::time_t utc, std::tm& out)
{
#ifdef _WIN32
    return localtime_s(&out, &utc) == 0;
#else
    return localtime_r(&utc, &out) != nullptr;
#endif
}

ClockReading readClock()
{
    const ClockSource source = g_clockSource.load();
    return source ? source() : readSystemClock();
}

void setClockSource(ClockSource source)
{
    g_clockSource.store(source);
}

} // namespace kavrin
