#include "Tokenizer.h"

CTokenizer::CTokenizer(const std::u16string& text, const std::u16string& separators)
{
    std::size_t start = text.find_first_not_of(separators);
    while (start != std::u16string::npos) {
        const std::size_t end = text.find_first_of(separators, start);
        m_tokens.push_back(text.substr(start, end - start));
        start = end == std::u16string::npos ? end : text.find_first_not_of(separators, end);
    }
}

std::u16string CTokenizer::NextToken()
{
    return m_next < m_tokens.size() ? m_tokens[m_next++] : std::u16string{};
}
