#include "core/list/StationOrder.h"

#include "core/list/SortFields.h"
#include "core/text/CaseFold.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kavrin {

namespace {

template <typename T> int sign(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// NaN after every number and equal to itself: a plain comparison would make NaN "equal" to
// everything, which is no order at all and undefined behaviour for a sort. (The orders of
// StationIndex encode the same rule in their number keys.)
int compareNumbers(double a, double b)
{
    const bool nanA = std::isnan(a);
    const bool nanB = std::isnan(b);
    if (nanA || nanB)
        return static_cast<int>(nanA) - static_cast<int>(nanB);
    return sign(a, b);
}

// Folds character by character instead of folding copies: the same result without allocating.
int compareFolded(std::u16string_view a, std::u16string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t fa = foldChar(a[i]);
        const char16_t fb = foldChar(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return sign(a.size(), b.size());
}

} // namespace

int compareByField(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey field)
{
    if (auto member = sortText(field))
        return compareFolded(a.*member, b.*member);
    const std::optional<double> x = sortNumber(a, field);
    const std::optional<double> y = sortNumber(b, field);
    return x && y ? compareNumbers(*x, *y) : 0;
}

int compareStations(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey sortKey)
{
    const SortFields* fields = sortFieldsFor(sortKey);
    if (!fields)
        return 0;
    for (SortKey field : *fields) {
        if (const int c = compareByField(a, b, field))
            return c;
    }
    return 0;
}

} // namespace kavrin
