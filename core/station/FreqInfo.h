#pragma once

#include "core/station/FrequencyLimits.h"

#include <cstdint>
#include <string>

namespace kavrin {

// One station. A plain value type; a record with an empty name is an unused slot.
struct FreqInfo {
    std::u16string stName;
    double freqRX[10]; // MHz, 0 = empty slot
    double freqTX[10];
    std::int32_t modulation;
    std::u16string soundsFld;
    std::u16string stLoc;
    std::u16string stComment;
    std::int32_t usePattern;  // 1: the working hours and days apply
    std::int32_t showPropGMT; // how the properties dialog shows the hours (stored in GMT)
    std::int32_t fromHour;
    std::int32_t fromMin;
    std::int32_t toHour;
    std::int32_t toMin;
    std::int32_t days[7]; // 0 Sunday … 6 Saturday, on the UTC date

    FreqInfo() { Reset(); }

    // Every field to its default: empty texts and slots, modulation 1024, usePattern 0,
    // showPropGMT 1, hours 00:00–23:59, all days set.
    void Reset();

    // Number of usable frequencies (isUsableFreq) among the ten slots, wherever they stand.
    int CountRX() const;
    int CountTX() const;

    // The frequency sort key: slot 0 of the receive list, or of the transmit list when that is
    // non-zero and smaller (or the receive slot is 0); 0 when both are 0.
    double LowestFreq() const;

    // "1; 1.2; 3" for each list: every non-zero slot in slot order as "%.9g".
    void FormatFreqLists(std::u16string& rxText, std::u16string& txText) const;

    // Parses both texts (tokens split at spaces and semicolons, at most ten values in
    // 0 … 99999.8984375, sorted ascending) into the slots; slots past the parsed values are
    // left as they are. Returns the number of values stored into freqTX.
    int ParseFreqLists(const std::u16string& rxText, const std::u16string& txText);
};

// A slot value is a usable frequency when 0 < v < kFreqLimit.
constexpr bool isUsableFreq(double v)
{
    return v > 0 && v < kFreqLimit;
}

} // namespace kavrin
