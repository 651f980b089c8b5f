#include "core/schedule/ScheduleDays.h"

namespace kavrin {

namespace {

// Days of the week counted from Monday, as the schedules count them.
constexpr std::u16string_view kDayNames[7] = {u"Mo", u"Tu", u"We", u"Th", u"Fr", u"Sa", u"Su"};

// The day at the start of `text`, from Monday = 0, and its length; -1 when there is none.
int readDay(std::u16string_view text, std::size_t& length)
{
    if (!text.empty() && text[0] >= u'1' && text[0] <= u'7') {
        length = 1;
        return text[0] - u'1';
    }
    for (int day = 0; day < 7; ++day) {
        if (text.substr(0, 2) == kDayNames[day]) {
            length = 2;
            return day;
        }
    }
    return -1;
}

} // namespace

std::optional<std::array<bool, 7>> parseScheduleDays(std::u16string_view field)
{
    std::array<bool, 7> fromMonday{};
    if (field.empty())
        fromMonday.fill(true);
    bool named = field.empty();
    while (!field.empty()) {
        if (field[0] == u',' || field[0] == u' ') {
            field.remove_prefix(1);
            continue;
        }
        std::size_t length = 0;
        const int first = readDay(field, length);
        if (first < 0)
            return std::nullopt;
        field.remove_prefix(length);
        int last = first;
        if (!field.empty() && field[0] == u'-') {
            last = readDay(field.substr(1), length);
            if (last < 0)
                return std::nullopt;
            field.remove_prefix(1 + length);
        }
        named = true;
        for (int day = first;; day = (day + 1) % 7) {
            fromMonday[day] = true;
            if (day == last)
                break;
        }
    }
    if (!named)
        return std::nullopt;
    std::array<bool, 7> fromSunday{};
    for (int day = 0; day < 7; ++day)
        fromSunday[(day + 1) % 7] = fromMonday[day];
    return fromSunday;
}

} // namespace kavrin
