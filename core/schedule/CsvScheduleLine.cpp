#include "core/schedule/CsvScheduleLine.h"

#include "core/schedule/ScheduleText.h"

#include <algorithm>
#include <array>
#include <string>

namespace kavrin {

namespace {

constexpr std::size_t kFieldCount = 11;

// Splits `line` at ';' into kFieldCount parts and returns how many parts the line has, which may
// be more or fewer. A ';' after the last field ends it rather than opening an empty twelfth one;
// with the last field empty, both "…;Start;" and "…;Start;;" are eleven fields.
template <typename Char>
std::size_t split(std::basic_string_view<Char> line,
                  std::array<std::basic_string_view<Char>, kFieldCount>& parts)
{
    std::size_t count = 0;
    while (true) {
        const std::size_t end = line.find(Char(';'));
        if (count < kFieldCount)
            parts[count] = line.substr(0, end);
        ++count;
        if (end == std::basic_string_view<Char>::npos)
            return count == kFieldCount + 1 && line.empty() ? kFieldCount : count;
        line.remove_prefix(end + 1);
    }
}

} // namespace

bool isCsvScheduleHeader(std::string_view line)
{
    static constexpr std::string_view kTitles[kFieldCount] = {
        "kHz",    "Time(UTC)", "Days", "ITU",   "Station", "Lng",
        "Target", "Remarks",   "P",    "Start", "Stop"};
    std::array<std::string_view, kFieldCount> parts;
    if (split(trimmedBlanks(line), parts) != kFieldCount)
        return false;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        std::string_view part = parts[i];
        if (part.substr(0, kTitles[i].size()) != kTitles[i])
            return false;
        part.remove_prefix(kTitles[i].size());
        if (part.empty())
            continue;
        if (part.size() < 2 || part[0] != ':' ||
            !std::all_of(part.begin() + 1, part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
    }
    return true;
}

Result<ScheduleLineFields> cutCsvScheduleLine(std::u16string_view line)
{
    std::array<std::u16string_view, kFieldCount> parts;
    if (const std::size_t count = split(line, parts); count != kFieldCount)
        return Failure{std::to_string(kFieldCount) + " fields expected, " + std::to_string(count) +
                       " found"};
    for (std::u16string_view& part : parts)
        part = trimmedBlanks(part);
    return ScheduleLineFields{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5],
                              parts[6], parts[7], parts[8], parts[9], parts[10]};
}

} // namespace kavrin
