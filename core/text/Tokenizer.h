#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// Hands out the tokens of a text in order, as views into it: the maximal runs of characters that
// are not separators. Runs of separators produce no empty tokens. Allocates nothing; the text and
// the separators must outlive the scanner. Both tokenizers below split by this one rule.
template <typename Char> class TokenScanner {
public:
    using View = std::basic_string_view<Char>;

    TokenScanner(View text, View separators) : m_text(text), m_separators(separators) {}

    // The next token; an empty view once every token was handed out.
    View NextToken()
    {
        while (m_at < m_text.size() && isSeparator(m_text[m_at]))
            ++m_at;
        const std::size_t start = m_at;
        while (m_at < m_text.size() && !isSeparator(m_text[m_at]))
            ++m_at;
        return m_text.substr(start, m_at - start);
    }

private:
    // A plain loop over the few separators: find_first_of would call memchr once per character.
    bool isSeparator(Char c) const
    {
        for (const Char separator : m_separators) {
            if (c == separator)
                return true;
        }
        return false;
    }

    View m_text;
    View m_separators;
    std::size_t m_at = 0;
};

// Splits a text once, at construction, into the tokens TokenScanner finds, and hands them out in
// order as texts of their own.
class CTokenizer {
public:
    CTokenizer(const std::u16string& text, const std::u16string& separators);

    // The next token; an empty text once every token was handed out.
    std::u16string NextToken();

private:
    std::vector<std::u16string> m_tokens;
    std::size_t m_next = 0;
};

} // namespace kavrin
