#pragma once

#include <QString>

namespace kavrin {

// Makes the station core write times of day in the user's locale short time format (without
// seconds) instead of its default "HH:mm".
void installLocaleHourFormat();

// Hour `hour` (0–23) as the user's locale writes a time of day without minutes and seconds
// ("7", "07", "7 AM").
QString localeHourOnlyText(int hour);

} // namespace kavrin
