#include "core/ORVImpl.h"

#include <cstdio>
#include <cstdlib>

namespace kavrin {

ORVImpl::~ORVImpl() = default;

int ORVImpl::GetCount() const
{
    return static_cast<int>(m_records.size());
}

namespace {

[[noreturn]] void indexOutOfRange(int index, int count)
{
    std::fprintf(stderr, "internal error: station index %d outside the base of %d records\n", index,
                 count);
    std::abort();
}

} // namespace

ORVImpl::FreqInfo& ORVImpl::operator[](int index)
{
    if (index < 0 || index >= GetCount())
        indexOutOfRange(index, GetCount());
    return m_records[static_cast<std::size_t>(index)];
}

const ORVImpl::FreqInfo& ORVImpl::operator[](int index) const
{
    if (index < 0 || index >= GetCount())
        indexOutOfRange(index, GetCount());
    return m_records[static_cast<std::size_t>(index)];
}

int ORVImpl::Add(const FreqInfo& record)
{
    m_records.push_back(record);
    return GetCount() - 1;
}

void ORVImpl::Clear()
{
    m_records.clear();
    m_records.shrink_to_fit();
}

} // namespace kavrin
