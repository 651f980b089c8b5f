#include "core/schedule/ScheduleWindow.h"

namespace kavrin {

void endOfDayAsLastMinute(int& hour, int& minute)
{
    if (hour == 24 && minute == 0) {
        hour = 23;
        minute = 59;
    }
}

void setScheduleHours(ORVImpl::FreqInfo& record, int fromHour, int fromMin, int toHour, int toMin)
{
    record.usePattern = 1;
    record.showPropGMT = 1;
    record.fromHour = fromHour;
    record.fromMin = fromMin;
    record.toHour = toHour;
    record.toMin = toMin;
}

} // namespace kavrin
