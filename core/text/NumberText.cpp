#include "core/text/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace kavrin {

namespace {

bool isCSpace(char32_t c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// No number needs more characters; the cap keeps hostile input cheap.
constexpr std::size_t kMaxRun = 513;

// What the conversions below look at: at most kMaxRun characters from the first one after leading
// white space, as far as they are ASCII. Bytes are used in place, unchecked, since each conversion
// stops at the first character that cannot be part of a number, and every byte of a non-ASCII
// character is one. Wider text is narrowed into `buffer`, up to its first non-ASCII character,
// which narrowing could turn into a digit. Runs for every number a load reads, so it neither
// allocates nor looks at a character twice.
template <typename Char>
std::string_view numberWindow(std::basic_string_view<Char> text, char (&buffer)[kMaxRun])
{
    std::size_t start = 0;
    while (start < text.size() && isCSpace(static_cast<char32_t>(text[start])))
        ++start;
    const auto window = text.substr(start, kMaxRun);
    if constexpr (std::is_same_v<Char, char>) {
        return window;
    } else {
        std::size_t ascii = 0;
        for (; ascii < window.size() && window[ascii] < 0x80; ++ascii)
            buffer[ascii] = static_cast<char>(window[ascii]);
        return std::string_view(buffer, ascii);
    }
}

// For a number text out of the double range: whether it is too small rather than too large.
bool underflows(std::string_view number)
{
    const auto exponent = number.find_first_of("eE");
    if (exponent != std::string_view::npos)
        return exponent + 1 < number.size() && number[exponent + 1] == '-';
    return number.substr(0, 2) == "0." || number.substr(0, 1) == ".";
}

template <typename Char> double parseDouble(std::basic_string_view<Char> text)
{
    char buffer[kMaxRun];
    const std::string_view run = numberWindow(text, buffer);
    const char* first = run.data();
    const char* last = run.data() + run.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    // from_chars takes no sign of its own here, so "+-1" and "--1" stay no number, as with strtod.
    if (first == last || *first == '+' || *first == '-')
        return 0;
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range)
        value = underflows(std::string_view(first, static_cast<std::size_t>(result.ptr - first)))
                    ? 0.0
                    : HUGE_VAL; // what strtod gives; from_chars leaves the value untouched
    return negative ? -value : value;
}

template <typename Char> int parseInt(std::basic_string_view<Char> text)
{
    char buffer[kMaxRun];
    const std::string_view run = numberWindow(text, buffer);
    std::size_t i = 0;
    bool negative = false;
    if (i < run.size() && (run[i] == '+' || run[i] == '-')) {
        negative = run[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < run.size() && run[i] >= '0' && run[i] <= '9'; ++i) {
        value = value * 10 + (run[i] - '0');
        if (value > std::int64_t{INT_MAX} + 1)
            value = std::int64_t{INT_MAX} + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

double parseDoublePrefix(std::u16string_view text)
{
    return parseDouble(text);
}
double parseDoublePrefix(std::string_view text)
{
    return parseDouble(text);
}
int parseIntPrefix(std::u16string_view text)
{
    return parseInt(text);
}
int parseIntPrefix(std::string_view text)
{
    return parseInt(text);
}

std::string formatG9(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    return std::string(buffer, result.ptr);
}

std::string formatFixed(double value, int decimals)
{
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{})
        return "inf";
    return std::string(buffer, result.ptr);
}

std::u16string widenAscii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace kavrin
