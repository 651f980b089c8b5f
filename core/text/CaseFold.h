#pragma once

#include <string>
#include <string_view>

namespace kavrin {

// The case folding of search and of the text sort keys: 'A'–'Z' to 'a'–'z', the Cyrillic
// capitals U+0410–U+042F to U+0430–U+044F and Ё (U+0401) to ё (U+0451). Every other character,
// accented Latin capitals and U+0402–U+040F included, stays as it is.
constexpr char16_t foldChar(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + (u'a' - u'A'));
    if (c >= u'\u0410' && c <= u'\u042F')
        return static_cast<char16_t>(c + 0x20);
    if (c == u'\u0401')
        return u'\u0451';
    return c;
}

// `text` with every character folded by foldChar; the result has the same length.
std::u16string foldCase(std::u16string_view text);

} // namespace kavrin
