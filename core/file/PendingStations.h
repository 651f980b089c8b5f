#pragma once

#include "core/file/StationAttributes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// The attributes of the station elements a load has met, copied out of the XML parser so that the
// records can be built once the parser is gone: making 100,000 records and their strings while it
// runs drives its name dictionary, which every element name goes through, out of the caches and
// slows the parse itself down. Holds little more than the values' bytes.
class PendingStations {
public:
    // Room for `stations` stations with `bytes` bytes of values in all; more still fits.
    void reserve(std::size_t stations, std::size_t bytes);

    // Starts the next station; the attributes added from now on are its own.
    void beginStation();

    // Copies one attribute value of the current station; `attribute` is a StationAttributes index,
    // given at most once per station (XML allows no repeated attribute). A value must be shorter
    // than 4 GiB (the parser refuses 10 MB without XML_PARSE_HUGE).
    void add(std::size_t attribute, std::string_view value);

    // Stations begun so far.
    std::size_t size() const { return m_valueCounts.size(); }

    // A station near the middle where forEach may start, so that two threads can take one half
    // each.
    std::size_t middle() const;

    // Calls `take(StationAttributes&)` for the stations `first` … `last` − 1, in order; `first` is
    // 0, middle() or size(). The views stay valid as long as this object is left unchanged.
    template <typename Take> void forEach(std::size_t first, std::size_t last, Take take) const;

private:
    // Each value is kept as its attribute's index (one byte), its length (one byte, or kLongValue
    // and four more) and its bytes: a station's values mostly take a few bytes each.
    static constexpr std::uint8_t kLongValue = 0xFF;

    // Reads the value that starts at `at` into `station` and returns where the next one starts.
    static const char* read(const char* at, StationAttributes& station);

    // forEach can start at every kBlock-th station: where its values start.
    static constexpr std::size_t kBlock = 4096;

    std::string m_bytes;
    std::vector<std::uint8_t> m_valueCounts; // how many values each station has
    std::vector<std::size_t> m_blockStarts;  // m_bytes offset of stations 0, kBlock, 2 kBlock…
};

inline const char* PendingStations::read(const char* at, StationAttributes& station)
{
    const auto attribute = static_cast<std::uint8_t>(*at++);
    std::uint32_t length = static_cast<std::uint8_t>(*at++);
    if (length == kLongValue) {
        std::memcpy(&length, at, sizeof length);
        at += sizeof length;
    }
    station[attribute] = std::string_view(at, length);
    return at + length;
}

template <typename Take>
void PendingStations::forEach(std::size_t first, std::size_t last, Take take) const
{
    if (first >= last)
        return;
    const char* at = m_bytes.data() + m_blockStarts[first / kBlock];
    for (std::size_t s = first; s < last; ++s) {
        StationAttributes station;
        for (std::uint8_t i = 0; i < m_valueCounts[s]; ++i)
            at = read(at, station);
        take(station);
    }
}

} // namespace kavrin
