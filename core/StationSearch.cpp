#include "core/StationSearch.h"

#include "core/CaseFold.h"

#include <algorithm>

namespace kavrin {

namespace {

// Folds the field character by character while searching, which finds exactly what a search in
// a folded copy finds, without making the copy for every record of a large base.
bool containsFolded(std::u16string_view field, std::u16string_view foldedText)
{
    return std::search(field.begin(), field.end(), foldedText.begin(), foldedText.end(),
                       [](char16_t f, char16_t t) { return foldChar(f) == t; }) != field.end();
}

bool contains(std::u16string_view field, std::u16string_view text, bool matchCase)
{
    if (text.empty())
        return true;
    return matchCase ? field.find(text) != std::u16string_view::npos : containsFolded(field, text);
}

} // namespace

bool matchesSearch(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase)
{
    return contains(record.stName, text, matchCase) || contains(record.stLoc, text, matchCase) ||
           contains(record.stComment, text, matchCase);
}

} // namespace kavrin
