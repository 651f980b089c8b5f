#include "core/text/Tokenizer.h"

namespace kavrin {

CTokenizer::CTokenizer(const std::u16string& text, const std::u16string& separators)
{
    TokenScanner<char16_t> scanner(text, separators);
    for (auto token = scanner.NextToken(); !token.empty(); token = scanner.NextToken())
        m_tokens.emplace_back(token);
}

std::u16string CTokenizer::NextToken()
{
    return m_next < m_tokens.size() ? m_tokens[m_next++] : std::u16string{};
}

} // namespace kavrin
