#pragma once

#include "core/schedule/ScheduleLine.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace kavrin {

// The column layout of a text broadcast schedule, read from its header line: the words of the
// header (runs of characters between blanks) are the column titles, and each column runs from the
// start of its title to the start of the next title, the first from the start of the line and the
// last to its end.
class TextScheduleColumns {
public:
    // The layout of `header` when it holds each of the titles kHz, Time(UTC), Days, ITU, Station,
    // Lang., Target and Remarks as a word of its own, in any order and among other titles.
    static std::optional<TextScheduleColumns> find(std::string_view header);

    // Whether `line` is the rule under the header: '=' characters, maybe with blanks between.
    static bool isRule(std::string_view line);

    // The fields of those eight columns in `line`, each trimmed of blanks and views into `line`;
    // a column that starts past the end of the line is empty. The persistence and validity
    // fields are empty.
    ScheduleLineFields cut(std::u16string_view line) const;

private:
    struct Column {
        std::size_t start = 0;
        std::size_t end = 0; // npos: to the end of the line
    };

    Column m_khz, m_time, m_days, m_itu, m_station, m_language, m_target, m_remarks;
};

} // namespace kavrin
