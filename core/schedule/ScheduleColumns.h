#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kavrin {

// The column layout of a broadcast schedule text file. The header line names the columns; each
// field of a station line is cut out at the byte position where its title starts in the header.

// Byte positions, from 0, of the first occurrence of each column title in the header line.
struct ScheduleColumns {
    std::size_t station = 0;         // "STATION": the name starts here…
    std::size_t utc = 0;             // "UTC": …and ends here, where the time column starts
    std::size_t language = 0;        // "Language"
    std::size_t power = 0;           // "Pow": also the end of the language
    std::size_t location = 0;        // "Location"
    std::size_t adm = 0;             // "ADM": the end of the location
    std::optional<std::size_t> days; // "Su-W": the one title a schedule may go without
};

// The column table of `header`. Titles are matched case-sensitively anywhere in the line, also
// inside a longer word ("STATIONS" gives the position of its "STATION"). Nothing when any of
// "STATION", "UTC", "Language", "Pow", "Location", "ADM" or "Azi" is missing; "Azi" is required
// although no field is cut at it.
std::optional<ScheduleColumns> findScheduleColumns(std::string_view header);

// The fields of one station line as raw bytes, views into that line. Every field but the four
// time fields has white space removed from both ends.
struct ScheduleFields {
    std::string_view frequency; // kHz
    std::string_view name;
    std::string_view fromHour, fromMin, toHour, toMin; // "0100-0230": 2+2, one byte unread, 2+2
    std::string_view location;
    std::string_view language;
    std::string_view power;
    std::optional<std::string_view> days; // only when the header has "Su-W"
};

// Cuts `line` (without its line end) into fields: the frequency is bytes 0–4, the name runs from
// "STATION" to "UTC", the times start at "UTC", the location runs from "Location" to "ADM", the
// language from "Language" to "Pow", the power is 3 bytes at "Pow" and the days 7 bytes at
// "Su-W". A field that starts past the end of the line is empty, one that runs past it stops
// there, and a column whose end title comes before its start title gives an empty field.
ScheduleFields cutScheduleFields(std::string_view line, const ScheduleColumns& columns);

} // namespace kavrin
