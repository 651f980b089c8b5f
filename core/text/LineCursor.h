#pragma once

#include <string_view>

namespace kavrin {

// Hands out the lines of a text one by one, the way they were written: a line ends at a line
// feed, and a carriage return before it is dropped; a final line without a line feed is still a
// line, a line feed ending the text opens no further one.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_rest(text) {}

    // The next line, without its line end, into `line`; false at the end of the text.
    bool next(std::string_view& line)
    {
        if (m_rest.empty())
            return false;
        const auto end = m_rest.find('\n');
        line = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++m_number;
        return true;
    }

    // The number, from 1, of the line last handed out; 0 before the first.
    int number() const { return m_number; }

private:
    std::string_view m_rest;
    int m_number = 0;
};

} // namespace kavrin
