#include "core/list/StationFilter.h"

#include "core/station/Modulation.h"

#include <algorithm>
#include <array>

namespace kavrin {

namespace {

// Indexed by modulation code 0–7.
constexpr std::array<bool StationFilter::*, 8> kModulationFlags = {
    &StationFilter::modAM,  &StationFilter::modFM,  &StationFilter::modUSB,
    &StationFilter::modLSB, &StationFilter::modCW,  &StationFilter::modDigital,
    &StationFilter::modNFM, &StationFilter::modDRM,
};

struct RangeBounds {
    float low;
    float high;
};

// Indexed by RangeKind All … UHF.
constexpr std::array<RangeBounds, 7> kRangeBounds = {{
    {0.0f, kHighestFrequency},
    {0.0f, 0.3f},
    {0.3f, 3.0f},
    {3.0f, 30.0f},
    {30.0f, 300.0f},
    {88.0f, 108.0f},
    {300.0f, kHighestFrequency},
}};

} // namespace

bool StationFilter::*StationFilter::modulationFlag(int code)
{
    if (code < MOD_AM || code > MOD_DRM)
        return nullptr;
    return kModulationFlags[static_cast<std::size_t>(code)];
}

void StationFilter::showAllModulations()
{
    allModulations = true;
    for (bool StationFilter::*flag : kModulationFlags)
        this->*flag = false;
}

void StationFilter::toggleModulation(int code)
{
    bool StationFilter::*flag = modulationFlag(code);
    if (!flag)
        return;
    allModulations = false;
    this->*flag = !(this->*flag);
    const bool allOn = std::all_of(kModulationFlags.begin(), kModulationFlags.end(),
                                   [this](bool StationFilter::*f) { return this->*f; });
    if (this->*flag && allOn)
        showAllModulations();
}

void StationFilter::chooseRange(RangeKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    if (index < kRangeBounds.size()) {
        rangeLow = kRangeBounds[index].low;
        rangeHigh = kRangeBounds[index].high;
    } else if (kind != RangeKind::User) {
        return;
    }
    rangeKind = kind;
}

void StationFilter::setUserRange(float low, float high)
{
    rangeLow = low;
    rangeHigh = high;
    rangeKind = RangeKind::User;
}

void StationFilter::showAllStations()
{
    activeOnly = 0;
}

void StationFilter::showActiveStations()
{
    activeOnly = 1;
}

void StationFilter::toggleActive()
{
    activeOnly = activeOnly ? 0 : 1;
}

void StationFilter::chooseLocalTime()
{
    useLocalTime = 1;
}

void StationFilter::chooseGmtTime()
{
    useLocalTime = 0;
}

void StationFilter::sortBy(SortKey key)
{
    sortKey = key;
}

bool StationFilter::acceptsModulation(int code) const
{
    if (allModulations)
        return true;
    if (code == MOD_UNKNOWN)
        return false;
    bool StationFilter::*flag = modulationFlag(code);
    return !flag || this->*flag;
}

bool StationFilter::inRange(double mhz) const
{
    return mhz != 0 && static_cast<double>(rangeLow) <= mhz &&
           mhz <= static_cast<double>(rangeHigh);
}

bool StationFilter::modulationChecked(int code) const
{
    bool StationFilter::*flag = modulationFlag(code);
    return flag && this->*flag;
}

} // namespace kavrin
