#include "core/station/FreqListText.h"

#include "core/station/FreqInfo.h"
#include "core/text/NumberText.h"
#include "core/text/Tokenizer.h"

#include <algorithm>

namespace kavrin {

namespace {

// The list rule, written once for both forms of the text. It reads nothing but the tokens' values,
// and those agree between the forms: the separators and every character a number can hold are
// ASCII, which UTF-8 keeps as the same single bytes (a malformed sequence is replaced one byte at a
// time, so it never swallows one), while any other character, bytes of a malformed sequence
// included, ends a number in both forms alike.
template <typename Tokens> int parseTokens(Tokens& tokens, double (&slots)[10])
{
    int stored = 0;
    for (auto token = tokens.NextToken(); !token.empty() && stored < 10;
         token = tokens.NextToken()) {
        const double value = parseDoublePrefix(token);
        if (value >= 0 && value <= kFreqLimit)
            slots[stored++] = value;
    }
    std::sort(slots, slots + stored);
    return stored;
}

} // namespace

std::u16string formatFreqList(const double (&slots)[10])
{
    std::string text;
    for (double v : slots) {
        if (v != 0) {
            text += formatG9(v);
            text += "; ";
        }
    }
    while (!text.empty() && (text.back() == ';' || text.back() == ' '))
        text.pop_back();
    return widenAscii(text);
}

int parseFreqList(const std::u16string& text, double (&slots)[10])
{
    CTokenizer tokens(text, u" ;");
    return parseTokens(tokens, slots);
}

int parseFreqListUtf8(std::string_view utf8, double (&slots)[10])
{
    TokenScanner<char> tokens(utf8, " ;");
    return parseTokens(tokens, slots);
}

} // namespace kavrin
