#pragma once

#include "core/schedule/ScheduleLine.h"
#include "core/system/Result.h"

#include <string_view>

namespace kavrin {

// Whether `line` is the header of a CSV broadcast schedule: the titles kHz, Time(UTC), Days,
// ITU, Station, Lng, Target, Remarks, P, Start and Stop in that order, separated by ';', each
// title maybe followed by ':' and a column width ("kHz:75"), a ';' after the last one allowed,
// and nothing else.
bool isCsvScheduleHeader(std::string_view line);

// The eleven ';'-separated fields of a data line, each trimmed of blanks and views into `line`;
// a ';' after the last field is allowed. Fails when the line has another number of fields.
Result<ScheduleLineFields> cutCsvScheduleLine(std::u16string_view line);

} // namespace kavrin
