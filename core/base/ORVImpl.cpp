#include "core/base/ORVImpl.h"

#include "core/file/StationFileReader.h"
#include "core/file/StationFileWriter.h"
#include "core/station/Summary.h"

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

Result<> ORVImpl::Load(const std::filesystem::path& path, const ProgressNotify& notify,
                       int notifyCommand)
{
    // The old records go first, so a large base is not held twice while the file is read.
    Clear();
    auto records = readStationFile(path, notify, notifyCommand);
    if (!records)
        return records.error();
    m_records = std::move(*records);
    return Result<>::success();
}

Result<> ORVImpl::Save(const std::filesystem::path& path, const ProgressNotify& notify,
                       int notifyCommand) const
{
    return writeStationFile(path, m_records, notify, notifyCommand);
}

void ORVImpl::MakeSummary(const FreqInfo& record, std::u16string& nameOut,
                          std::u16string& summaryOut, bool localTime)
{
    makeSummary(record, nameOut, summaryOut, localTime);
}

} // namespace kavrin
