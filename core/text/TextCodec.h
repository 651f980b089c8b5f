#pragma once

#include <string>
#include <string_view>

namespace kavrin {

// UTF-8 ↔ UTF-16 for station texts. Both directions accept any input: an invalid UTF-8 sequence
// becomes U+FFFD per bad byte, and an unpaired surrogate becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// Whether every byte is below 0x80, so that the text is the same in ASCII, UTF-8 and ISO-8859-1
// and has as many UTF-16 units as bytes.
bool isAscii(std::string_view bytes);

// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// One byte one character (ISO-8859-1).
std::u16string latin1ToUtf16(std::string_view bytes);

// The Western Windows code page: ISO-8859-1, except that 0x80–0x9F hold typographic characters
// (0x80 €, 0x92 ’, 0x96 –, …); its five unassigned bytes stay the control characters U+0081,
// U+008D, U+008F, U+0090 and U+009D.
std::u16string windows1252ToUtf16(std::string_view bytes);

} // namespace kavrin
