#include "core/system/Clock.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

namespace kavrin {

namespace {

Failure cannotConvert(std::time_t t, const char* to)
{
    return Failure{"cannot convert the moment " + std::to_string(t) + " to " + to + ": " +
                   std::strerror(errno)};
}

Result<std::tm> toUtc(std::time_t t)
{
    std::tm utc{};
#ifdef _WIN32
    if (gmtime_s(&utc, &t) == 0)
        return utc;
#else
    if (gmtime_r(&t, &utc) != nullptr)
        return utc;
#endif
    return cannotConvert(t, "UTC");
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
    const Result<std::tm> utc = toUtc(now);
    const Result<std::tm> local = toLocalTime(now);
    if (!utc || !local)
        return {now, 0};
    return {now, offsetBetween(*local, *utc)};
}

std::atomic<ClockSource> g_clockSource{nullptr};

} // namespace

Result<std::tm> toLocalTime(std::time_t utc)
{
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &utc) == 0)
        return local;
#else
    if (localtime_r(&utc, &local) != nullptr)
        return local;
#endif
    return cannotConvert(utc, "local time");
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
