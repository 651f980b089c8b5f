#pragma once

#include <string>
#include <vector>

// Splits a text once, at construction, into the maximal runs of characters that are not
// separators, and hands them out in order. Runs of separators produce no empty tokens.
class CTokenizer {
public:
    CTokenizer(const std::u16string& text, const std::u16string& separators);

    // The next token; an empty text once every token was handed out.
    std::u16string NextToken();

private:
    std::vector<std::u16string> m_tokens;
    std::size_t m_next = 0;
};
