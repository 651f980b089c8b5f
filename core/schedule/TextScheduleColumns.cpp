#include "core/schedule/TextScheduleColumns.h"

#include "core/schedule/ScheduleText.h"

#include <algorithm>
#include <vector>

namespace kavrin {

std::optional<TextScheduleColumns> TextScheduleColumns::find(std::string_view header)
{
    struct Word {
        std::string_view text;
        std::size_t start;
    };
    std::vector<Word> words;
    for (std::size_t at = 0; at < header.size();) {
        if (isScheduleBlank(header[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < header.size() && !isScheduleBlank(header[end]))
            ++end;
        words.push_back({header.substr(at, end - at), at});
        at = end;
    }

    TextScheduleColumns columns;
    const std::pair<std::string_view, Column*> titles[] = {
        {"kHz", &columns.m_khz},         {"Time(UTC)", &columns.m_time},
        {"Days", &columns.m_days},       {"ITU", &columns.m_itu},
        {"Station", &columns.m_station}, {"Lang.", &columns.m_language},
        {"Target", &columns.m_target},   {"Remarks", &columns.m_remarks},
    };
    for (const auto& [title, column] : titles) {
        const std::string_view wanted = title; // a lambda cannot capture a structured binding
        const auto word = std::find_if(words.begin(), words.end(),
                                       [wanted](const Word& w) { return w.text == wanted; });
        if (word == words.end())
            return std::nullopt;
        column->start = word == words.begin() ? 0 : word->start;
        column->end = word + 1 == words.end() ? std::string_view::npos : (word + 1)->start;
    }
    return columns;
}

bool TextScheduleColumns::isRule(std::string_view line)
{
    return line.find('=') != std::string_view::npos &&
           std::all_of(line.begin(), line.end(),
                       [](char c) { return c == '=' || isScheduleBlank(c); });
}

ScheduleLineFields TextScheduleColumns::cut(std::u16string_view line) const
{
    const auto field = [line](const Column& column) {
        if (column.start >= line.size())
            return std::u16string_view();
        const std::size_t length = column.end == std::string_view::npos ? std::u16string_view::npos
                                                                        : column.end - column.start;
        return trimmedBlanks(line.substr(column.start, length));
    };
    return {field(m_khz),
            field(m_time),
            field(m_days),
            field(m_itu),
            field(m_station),
            field(m_language),
            field(m_target),
            field(m_remarks),
            {},
            {},
            {}};
}

} // namespace kavrin
