#include "core/file/PendingStations.h"

#include "core/system/HugePages.h"

#include <cstring>

namespace kavrin {

void PendingStations::reserve(std::size_t stations, std::size_t bytes)
{
    m_valueCounts.reserve(stations);
    m_bytes.reserve(bytes);
    adviseLargePages(m_bytes.data(), m_bytes.capacity());
}

void PendingStations::beginStation()
{
    if (m_valueCounts.size() % kBlock == 0)
        m_blockStarts.push_back(m_bytes.size());
    m_valueCounts.push_back(0);
}

std::size_t PendingStations::middle() const
{
    return (size() / 2) / kBlock * kBlock;
}

void PendingStations::add(std::size_t attribute, std::string_view value)
{
    char header[2 + sizeof(std::uint32_t)] = {static_cast<char>(attribute)};
    std::size_t headerSize = 2;
    if (value.size() < kLongValue) {
        header[1] = static_cast<char>(value.size());
    } else {
        const auto length = static_cast<std::uint32_t>(value.size());
        header[1] = static_cast<char>(kLongValue);
        std::memcpy(header + 2, &length, sizeof length);
        headerSize += sizeof length;
    }
    m_bytes.append(header, headerSize);
    m_bytes += value;
    ++m_valueCounts.back();
}

} // namespace kavrin
