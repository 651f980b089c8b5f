#pragma once

#include <string>
#include <string_view>

namespace kavrin {

// Number ↔ text conversions of the station data. All of them ignore the C locale, so a program
// that switched to the user's locale still reads and writes "." as the decimal point.

// The standard string-to-double rule: leading white space, optional sign, digits with "." as
// decimal point, optional exponent; conversion stops at the first character that does not fit,
// and a text without a number gives 0.
double parseDoublePrefix(std::u16string_view text);
double parseDoublePrefix(std::string_view text);

// The standard decimal string-to-integer rule (white space, sign, digits, stop at the first other
// character; no digits gives 0). Values beyond the 32-bit range are clamped to it.
int parseIntPrefix(std::u16string_view text);
int parseIntPrefix(std::string_view text);

// printf "%.9g": at most nine significant digits, no trailing zeros.
std::string formatG9(double value);

// printf "%.<decimals>f".
std::string formatFixed(double value, int decimals);

// Widens an ASCII text to UTF-16.
std::u16string widenAscii(std::string_view text);

} // namespace kavrin
