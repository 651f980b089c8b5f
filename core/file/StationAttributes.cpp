#include "core/file/StationAttributes.h"

#include <array>
#include <cstdint>

namespace kavrin {

namespace {

struct Known {
    std::string_view name;
    std::optional<std::string_view> StationAttributes::*member;
};

constexpr Known kAttributes[StationAttributes::kCount] = {
    {"StName", &StationAttributes::name},
    {"StLoc", &StationAttributes::loc},
    {"StFreq", &StationAttributes::freq},
    {"StFreqRX", &StationAttributes::freqRX},
    {"StFreqTX", &StationAttributes::freqTX},
    {"StModulation", &StationAttributes::modulation},
    {"UsePattern", &StationAttributes::usePattern},
    {"StComment", &StationAttributes::comment},
    {"SoundsFld", &StationAttributes::soundsFld},
    {"ShowPropGMT", &StationAttributes::showPropGMT},
    {"WorkHours", &StationAttributes::workHours},
    {"Days", &StationAttributes::days},
};

// The indices of the names of each length.
struct Candidates {
    std::uint8_t index[StationAttributes::kCount];
    std::uint8_t count;
};

constexpr auto kByLength = [] {
    std::array<Candidates, 16> byLength{};
    for (std::size_t i = 0; i < StationAttributes::kCount; ++i) {
        Candidates& candidates = byLength[kAttributes[i].name.size()];
        candidates.index[candidates.count++] = static_cast<std::uint8_t>(i);
    }
    return byLength;
}();

} // namespace

std::size_t StationAttributes::indexOf(std::string_view attribute)
{
    // Runs for every attribute of every station, so only the names of the right length are
    // compared, and their last characters first, which tell all of them apart but two.
    if (attribute.size() >= kByLength.size())
        return kCount;
    const Candidates& candidates = kByLength[attribute.size()];
    for (std::size_t k = 0; k < candidates.count; ++k) {
        const std::size_t i = candidates.index[k];
        const std::string_view name = kAttributes[i].name;
        if (name.back() == attribute.back() && name == attribute)
            return i;
    }
    return kCount;
}

std::optional<std::string_view>& StationAttributes::operator[](std::size_t index)
{
    return this->*kAttributes[index].member;
}

} // namespace kavrin
