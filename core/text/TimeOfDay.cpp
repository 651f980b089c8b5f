#include "core/text/TimeOfDay.h"

#include <cstdint>

namespace kavrin {

void shiftTimeOfDay(int& hour, int& minute, int offsetSeconds)
{
    constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
    std::int64_t seconds = (hour * 60 + minute) * 60 + std::int64_t{offsetSeconds};
    seconds = (seconds % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    hour = static_cast<int>(seconds / 3600);
    minute = static_cast<int>(seconds / 60 % 60);
}

} // namespace kavrin
