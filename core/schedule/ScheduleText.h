#pragma once

#include <string_view>

namespace kavrin {

// Blanks around the fields of a schedule line: spaces, tabs, and a carriage return that a line
// end left behind.
template <typename Char> constexpr bool isScheduleBlank(Char c)
{
    return c == Char(' ') || c == Char('\t') || c == Char('\r');
}

// `text` without blanks at either end.
template <typename Char>
std::basic_string_view<Char> trimmedBlanks(std::basic_string_view<Char> text)
{
    while (!text.empty() && isScheduleBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isScheduleBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace kavrin
