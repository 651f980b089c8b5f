#include "core/list/TextSearch.h"

#include "core/text/CaseMap.h"

namespace kavrin {

namespace {

// Maps the field unit by unit while searching, which finds exactly what a search in a mapped copy
// finds, without making the copy for every record of a large base.
bool containsMapped(std::u16string_view field, std::u16string_view text, const CaseMap& caseMap)
{
    if (text.size() > field.size())
        return false;
    const char16_t first = text.front();
    const std::size_t lastStart = field.size() - text.size();
    for (std::size_t at = 0; at <= lastStart; ++at) {
        if (caseMap(field[at]) != first)
            continue;
        std::size_t k = 1;
        while (k < text.size() && caseMap(field[at + k]) == text[k])
            ++k;
        if (k == text.size())
            return true;
    }
    return false;
}

bool contains(std::u16string_view field, std::u16string_view text, bool matchCase,
              const CaseMap& caseMap)
{
    if (text.empty())
        return true;
    return matchCase ? field.find(text) != std::u16string_view::npos
                     : containsMapped(field, text, caseMap);
}

} // namespace

bool matchesText(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase,
                 const CaseMap& caseMap)
{
    return contains(record.stName, text, matchCase, caseMap) ||
           contains(record.stLoc, text, matchCase, caseMap) ||
           contains(record.stComment, text, matchCase, caseMap);
}

} // namespace kavrin
