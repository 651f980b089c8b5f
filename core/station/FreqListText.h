#pragma once

#include <string>
#include <string_view>

namespace kavrin {

// The text form of one frequency list, "1; 1.2; 3": what FreqInfo::FormatFreqLists and
// FreqInfo::ParseFreqLists do for each of their two lists.

// Every non-zero slot, in slot order, as "%.9g", joined by "; ".
std::u16string formatFreqList(const double (&slots)[10]);

// Splits `text` into tokens at spaces and semicolons, keeps the values in 0 … kFreqLimit in token
// order until ten are kept, and sorts them ascending into the first slots; later slots are left as
// they are. Returns the number of values stored.
int parseFreqList(const std::u16string& text, double (&slots)[10]);

// parseFreqList for a list given as UTF-8 bytes, without building a UTF-16 text: stores exactly
// what parseFreqList stores for utf8ToUtf16(utf8), invalid sequences included.
int parseFreqListUtf8(std::string_view utf8, double (&slots)[10]);

} // namespace kavrin
