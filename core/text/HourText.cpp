#include "core/text/HourText.h"

#include "core/system/Clock.h"
#include "core/text/TimeOfDay.h"

#include <atomic>
#include <charconv>
#include <cstdint>

namespace kavrin {

namespace {

// At least two digits, with the sign of negative numbers in front of them ("07", "-05", "123").
void appendTwoDigits(std::u16string& out, int value)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    char* first = digits;
    if (*first == '-')
        out.push_back(*first++);
    if (result.ptr - first < 2)
        out.push_back(u'0');
    out.append(first, result.ptr);
}

std::u16string hourMinuteText(int hour, int minute)
{
    std::u16string text;
    appendTwoDigits(text, hour);
    text.push_back(u':');
    appendTwoDigits(text, minute);
    return text;
}

std::atomic<HourFormatter> g_hourFormatter{nullptr};

} // namespace

std::u16string FormatHourText(int hour, int minute, bool localTime)
{
    return FormatHourTextAt(hour, minute, localTime,
                            localTime ? readClock().localOffsetSeconds : 0);
}

std::u16string FormatHourTextAt(int hour, int minute, bool localTime, int localOffsetSeconds)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return hourMinuteText(hour, minute);
    if (localTime)
        shiftTimeOfDay(hour, minute, localOffsetSeconds);
    const HourFormatter formatter = g_hourFormatter.load();
    return formatter ? formatter(hour, minute) : hourMinuteText(hour, minute);
}

void setHourFormatter(HourFormatter formatter)
{
    g_hourFormatter.store(formatter);
}

} // namespace kavrin
