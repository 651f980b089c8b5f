#include "core/schedule/ScheduleMerge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>

namespace kavrin {

namespace {

using FreqInfo = ORVImpl::FreqInfo;

// The station file keeps a frequency to nine significant digits, so a value read back may differ
// from the one saved in its last bits; whole hertz are what both agree on.
std::int64_t hertz(double megahertz)
{
    if (!(std::fabs(megahertz) < 1e12))
        return std::numeric_limits<std::int64_t>::min();
    return std::llround(megahertz * 1e6);
}

unsigned dayMask(const FreqInfo& r)
{
    unsigned mask = 0;
    for (int day = 0; day < 7; ++day)
        mask |= (r.days[day] != 0 ? 1u : 0u) << day;
    return mask;
}

bool sameKey(const FreqInfo& a, const FreqInfo& b)
{
    return a.stName == b.stName && hertz(a.freqRX[0]) == hertz(b.freqRX[0]) &&
           a.fromHour == b.fromHour && a.fromMin == b.fromMin && a.toHour == b.toHour &&
           a.toMin == b.toMin && dayMask(a) == dayMask(b) && a.stLoc == b.stLoc;
}

std::size_t keyHash(const FreqInfo& r)
{
    std::size_t hash = std::hash<std::u16string_view>{}(r.stName);
    const auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9E3779B97F4A7C15u + (hash << 6) + (hash >> 2);
    };
    mix(std::hash<std::u16string_view>{}(r.stLoc));
    mix(std::hash<std::int64_t>{}(hertz(r.freqRX[0])));
    mix(std::hash<std::int64_t>{}(
        ((static_cast<std::int64_t>(r.fromHour) * 64 + r.fromMin) * 64 + r.toHour) * 64 + r.toMin));
    mix(dayMask(r));
    return hash;
}

// The fields a schedule line gives besides its match key.
bool sameScheduleFields(const FreqInfo& a, const FreqInfo& b)
{
    return a.modulation == b.modulation && a.stComment == b.stComment &&
           a.usePattern == b.usePattern && a.showPropGMT == b.showPropGMT;
}

void takeScheduleFields(FreqInfo& to, const FreqInfo& from)
{
    to.modulation = from.modulation;
    to.stComment = from.stComment;
    to.usePattern = from.usePattern;
    to.showPropGMT = from.showPropGMT;
}

// The used stations of a base by match key, handing each out at most once.
class MatchIndex {
public:
    explicit MatchIndex(const ORVImpl& base) : m_base(base)
    {
        for (int i = 0; i < base.GetCount(); ++i) {
            if (!base[i].stName.empty())
                m_slots.push_back({keyHash(base[i]), i});
        }
        std::sort(m_slots.begin(), m_slots.end(), [](const Slot& a, const Slot& b) {
            return a.hash != b.hash ? a.hash < b.hash : a.index < b.index;
        });
        m_nextFree.resize(m_slots.size() + 1);
        for (std::size_t i = 0; i < m_nextFree.size(); ++i)
            m_nextFree[i] = i;
    }

    // The index of the earliest station of the base not handed out yet that matches `station`,
    // now handed out; -1 when there is none.
    int take(const FreqInfo& station)
    {
        const std::size_t hash = keyHash(station);
        const auto first =
            std::lower_bound(m_slots.begin(), m_slots.end(), hash,
                             [](const Slot& s, std::size_t h) { return s.hash < h; });
        for (std::size_t at = firstFree(static_cast<std::size_t>(first - m_slots.begin()));
             at < m_slots.size() && m_slots[at].hash == hash; at = firstFree(at + 1)) {
            if (sameKey(m_base[m_slots[at].index], station)) {
                m_nextFree[at] = at + 1;
                return m_slots[at].index;
            }
        }
        return -1;
    }

private:
    struct Slot {
        std::size_t hash;
        int index;
    };

    // The first slot from `at` on that was not handed out (with path halving, so that many equal
    // keys are handed out in near constant time each).
    std::size_t firstFree(std::size_t at)
    {
        while (m_nextFree[at] != at) {
            m_nextFree[at] = m_nextFree[m_nextFree[at]];
            at = m_nextFree[at];
        }
        return at;
    }

    const ORVImpl& m_base;
    std::vector<Slot> m_slots;
    std::vector<std::size_t> m_nextFree; // slot → first slot from there on not handed out
};

} // namespace

int replaceWithSchedule(ORVImpl& base, const std::vector<FreqInfo>& stations)
{
    base.Clear();
    for (const FreqInfo& station : stations)
        base.Add(station);
    return static_cast<int>(stations.size());
}

ScheduleMergeCounts mergeSchedule(ORVImpl& base, const std::vector<FreqInfo>& stations)
{
    ScheduleMergeCounts counts;
    MatchIndex index(base);
    for (const FreqInfo& station : stations) {
        const int match = index.take(station);
        if (match < 0) {
            base.Add(station);
            ++counts.added;
        } else if (sameScheduleFields(base[match], station)) {
            ++counts.unchanged;
        } else {
            takeScheduleFields(base[match], station);
            ++counts.updated;
        }
    }
    return counts;
}

} // namespace kavrin
