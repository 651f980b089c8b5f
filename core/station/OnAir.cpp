#include "core/station/OnAir.h"

#include "core/system/Clock.h"

#include <cstdint>

namespace kavrin {

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr std::int64_t kLastMinute = 23 * 3600 + 59 * 60;
constexpr int kEpochWeekday = 4; // 1 January 1970 was a Thursday

// Division rounding towards minus infinity, so moments before 1970 land on the right day.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

bool isTimeOfDay(int hour, int minute)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

std::int64_t secondsOfDay(int hour, int minute)
{
    return (hour * std::int64_t{60} + minute) * 60;
}

} // namespace

bool IsWorkingAt(const FreqInfo& record, std::time_t utc)
{
    if (record.usePattern == 0)
        return true;
    if (!isTimeOfDay(record.fromHour, record.fromMin) || !isTimeOfDay(record.toHour, record.toMin))
        return false;

    const auto moment = static_cast<std::int64_t>(utc);
    const std::int64_t day = floorDiv(moment, kSecondsPerDay);
    const std::int64_t now = moment - day * kSecondsPerDay;
    const auto weekday = static_cast<int>(((day + kEpochWeekday) % 7 + 7) % 7);
    if (record.days[weekday] == 0)
        return false;

    const std::int64_t start = secondsOfDay(record.fromHour, record.fromMin);
    const std::int64_t end = secondsOfDay(record.toHour, record.toMin);
    if (record.fromHour <= record.toHour)
        return start <= now && now <= end;
    return (start <= now && now <= kLastMinute) || now <= end;
}

bool IsWorkingNow(const FreqInfo& record)
{
    return IsWorkingAt(record, readClock().utc);
}

bool worksAllDay(const FreqInfo& record)
{
    return record.usePattern == 0 || (record.fromHour == 0 && record.fromMin == 0 &&
                                      record.toHour == 23 && record.toMin == 59);
}

} // namespace kavrin
