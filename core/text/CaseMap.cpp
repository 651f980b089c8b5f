#include "core/text/CaseMap.h"

#include "core/text/CaseFold.h"

#include <algorithm>

namespace kavrin {

CaseMap::CaseMap(Lower lower) : m_table(0x10000)
{
    for (std::size_t unit = 0; unit < m_table.size(); ++unit)
        m_table[unit] = lower(static_cast<char16_t>(unit));
}

const CaseMap& CaseMap::folding()
{
    static const CaseMap folded([](char16_t c) { return foldChar(c); });
    return folded;
}

std::u16string CaseMap::apply(std::u16string_view text) const
{
    std::u16string mapped(text.size(), u'\0');
    std::transform(text.begin(), text.end(), mapped.begin(),
                   [this](char16_t c) { return (*this)(c); });
    return mapped;
}

} // namespace kavrin
