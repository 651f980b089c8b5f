#include "core/schedule/ScheduleColumns.h"

namespace kavrin {

namespace {

// `length` bytes from `start`, clamped to the line.
std::string_view cut(std::string_view line, std::size_t start, std::size_t length)
{
    if (start >= line.size())
        return {};
    return line.substr(start, length);
}

// The bytes from `start` up to `end`; empty when the end title stands before the start title.
std::string_view cutBetween(std::string_view line, std::size_t start, std::size_t end)
{
    return cut(line, start, end > start ? end - start : 0);
}

bool isCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && isCSpace(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isCSpace(field.back()))
        field.remove_suffix(1);
    return field;
}

} // namespace

std::optional<ScheduleColumns> findScheduleColumns(std::string_view header)
{
    const auto station = header.find("STATION");
    const auto utc = header.find("UTC");
    const auto language = header.find("Language");
    const auto power = header.find("Pow");
    const auto location = header.find("Location");
    const auto adm = header.find("ADM");
    const auto azi = header.find("Azi");
    constexpr auto npos = std::string_view::npos;
    if (station == npos || utc == npos || language == npos || power == npos || location == npos ||
        adm == npos || azi == npos)
        return std::nullopt;

    ScheduleColumns columns{station, utc, language, power, location, adm, std::nullopt};
    if (const auto days = header.find("Su-W"); days != npos)
        columns.days = days;
    return columns;
}

ScheduleFields cutScheduleFields(std::string_view line, const ScheduleColumns& columns)
{
    ScheduleFields fields;
    fields.frequency = trimmed(cut(line, 0, 5));
    fields.name = trimmed(cutBetween(line, columns.station, columns.utc));
    fields.fromHour = cut(line, columns.utc, 2);
    fields.fromMin = cut(line, columns.utc + 2, 2);
    fields.toHour = cut(line, columns.utc + 5, 2);
    fields.toMin = cut(line, columns.utc + 7, 2);
    fields.location = trimmed(cutBetween(line, columns.location, columns.adm));
    fields.language = trimmed(cutBetween(line, columns.language, columns.power));
    fields.power = trimmed(cut(line, columns.power, 3));
    if (columns.days)
        fields.days = trimmed(cut(line, *columns.days, 7));
    return fields;
}

} // namespace kavrin
