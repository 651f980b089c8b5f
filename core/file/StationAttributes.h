#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kavrin {

// The attributes of one station element that the station file defines, as views of their UTF-8
// values; an attribute the element does not carry is absent.
struct StationAttributes {
    static constexpr std::size_t kCount = 12;

    std::optional<std::string_view> name, loc, freq, freqRX, freqTX, modulation, usePattern,
        comment, soundsFld, showPropGMT, workHours, days;

    // The index, 0 … kCount − 1, of the attribute the file calls `attribute` ("StName", …);
    // kCount for a name the file does not define.
    static std::size_t indexOf(std::string_view attribute);

    // The attribute with the given index (below kCount).
    std::optional<std::string_view>& operator[](std::size_t index);
};

} // namespace kavrin
