#include "core/tuning/StationsOnFrequency.h"

#include "core/station/OnAir.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace kavrin {

namespace {

constexpr double kHighBandMhz = 30.0;

std::int64_t wholeHertz(double mhz)
{
    return std::llround(mhz * 1e6);
}

// The offset in hertz of the receive slot nearest to `wantedHz`, when one lies within
// `toleranceHz`.
std::optional<std::int64_t> nearestOffset(const ORVImpl::FreqInfo& record, std::int64_t wantedHz,
                                          std::int64_t toleranceHz)
{
    std::optional<std::int64_t> best;
    for (double slot : record.freqRX) {
        if (!isUsableFreq(slot))
            continue;
        const std::int64_t offset = wholeHertz(slot) - wantedHz;
        if (std::llabs(offset) <= toleranceHz && (!best || std::llabs(offset) < std::llabs(*best)))
            best = offset;
    }
    return best;
}

} // namespace

double defaultToleranceKhz(double mhz)
{
    return mhz < kHighBandMhz ? 5.0 : 50.0;
}

std::vector<FrequencyMatch> stationsOnFrequency(const ORVImpl& base, double mhz,
                                                double toleranceKhz, std::time_t utc)
{
    const std::int64_t wantedHz = wholeHertz(mhz);
    const std::int64_t toleranceHz = std::llround(toleranceKhz * 1e3);
    std::vector<FrequencyMatch> matches;
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& record = base[i];
        if (record.stName.empty())
            continue;
        if (const auto offset = nearestOffset(record, wantedHz, toleranceHz))
            matches.push_back({i, static_cast<double>(*offset) / 1e3, IsWorkingAt(record, utc)});
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const FrequencyMatch& a, const FrequencyMatch& b) {
                         if (a.onAir != b.onAir)
                             return a.onAir;
                         return std::abs(a.offsetKhz) < std::abs(b.offsetKhz);
                     });
    return matches;
}

} // namespace kavrin
