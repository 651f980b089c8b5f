#include "core/tuning/ReceiverMode.h"

#include "core/station/Modulation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kavrin {

namespace {

constexpr std::array<std::pair<ReceiverMode, std::string_view>, 6> kNames = {{
    {ReceiverMode::AM, "AM"},
    {ReceiverMode::FM, "FM"},
    {ReceiverMode::WFM, "WFM"},
    {ReceiverMode::USB, "USB"},
    {ReceiverMode::LSB, "LSB"},
    {ReceiverMode::CW, "CW"},
}};

constexpr double kBroadcastFmLow = 88.0;
constexpr double kBroadcastFmHigh = 108.0;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

} // namespace

std::optional<ReceiverMode> modeForModulation(int code, double mhz)
{
    switch (code) {
    case MOD_AM:
        return ReceiverMode::AM;
    case MOD_FM:
        return mhz >= kBroadcastFmLow && mhz <= kBroadcastFmHigh ? ReceiverMode::WFM
                                                                 : ReceiverMode::FM;
    case MOD_NFM:
        return ReceiverMode::FM;
    case MOD_USB:
    case MOD_DRM:
    case MOD_DIGITAL:
        return ReceiverMode::USB;
    case MOD_LSB:
        return ReceiverMode::LSB;
    case MOD_CW:
        return ReceiverMode::CW;
    default:
        return std::nullopt;
    }
}

std::string_view receiverModeName(ReceiverMode mode)
{
    for (const auto& [m, name] : kNames) {
        if (m == mode)
            return name;
    }
    return {};
}

std::optional<ReceiverMode> receiverModeNamed(std::string_view name)
{
    for (const auto& [mode, modeName] : kNames) {
        if (std::equal(name.begin(), name.end(), modeName.begin(), modeName.end(),
                       [](char a, char b) { return upper(a) == b; }))
            return mode;
    }
    return std::nullopt;
}

} // namespace kavrin
