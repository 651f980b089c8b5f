#include "core/list/SortFields.h"

#include <cstdint>

namespace kavrin {

namespace {

// Indexed by SortKey Frequency … Comment.
constexpr std::array<SortFields, 5> kFieldsByKey = {{
    {SortKey::Frequency, SortKey::Name, SortKey::Modulation},
    {SortKey::Name, SortKey::Frequency, SortKey::Location},
    {SortKey::Modulation, SortKey::Frequency, SortKey::Name},
    {SortKey::Location, SortKey::Frequency, SortKey::Name},
    {SortKey::Comment, SortKey::Frequency, SortKey::Name},
}};

} // namespace

const SortFields* sortFieldsFor(SortKey sortKey)
{
    const auto i = static_cast<std::uint32_t>(sortKey); // a negative value becomes huge: no fields
    return i < kFieldsByKey.size() ? &kFieldsByKey[i] : nullptr;
}

std::u16string ORVImpl::FreqInfo::*sortText(SortKey field)
{
    switch (field) {
    case SortKey::Name:
        return &ORVImpl::FreqInfo::stName;
    case SortKey::Location:
        return &ORVImpl::FreqInfo::stLoc;
    case SortKey::Comment:
        return &ORVImpl::FreqInfo::stComment;
    default:
        return nullptr;
    }
}

std::optional<double> sortNumber(const ORVImpl::FreqInfo& record, SortKey field)
{
    switch (field) {
    case SortKey::Frequency:
        return record.LowestFreq();
    case SortKey::Modulation:
        return record.modulation;
    default:
        return std::nullopt;
    }
}

} // namespace kavrin
