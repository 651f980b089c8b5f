#include "core/list/StationIndex.h"

#include "core/list/PassesFilter.h"
#include "core/list/SortFields.h"
#include "core/list/StationOrder.h"
#include "core/list/StationOrders.h"
#include "core/list/TextSearch.h"
#include "core/system/TwoThreads.h"
#include "core/text/CaseMap.h"

#include <algorithm>

namespace kavrin {

namespace {

// The keys of the list's sort commands.
constexpr std::array<SortKey, 4> kListKeys = {SortKey::Frequency, SortKey::Name,
                                              SortKey::Modulation, SortKey::Location};

// Runs `pass(first, last)` over 0 … count − 1, in two halves on two threads for a large base.
template <typename Pass> void overStations(std::size_t count, Pass pass)
{
    if (count < kItemsWorthAThread)
        pass(std::size_t{0}, count);
    else
        runBoth([&] { pass(std::size_t{0}, count / 2); }, [&] { pass(count / 2, count); });
}

} // namespace

StationIndex::StationIndex(const ORVImpl& base) : m_base(base)
{
    reset();
}

void StationIndex::reset()
{
    const auto count = static_cast<std::size_t>(m_base.GetCount());
    m_used.assign(count, 0);
    m_usedCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        m_used[i] = m_base[static_cast<int>(i)].stName.empty() ? 0 : 1;
        m_usedCount += m_used[i];
    }
    for (auto& order : m_orders)
        order.reset();
}

std::vector<int> StationIndex::usedStations() const
{
    std::vector<int> used;
    used.reserve(static_cast<std::size_t>(m_usedCount));
    for (std::size_t i = 0; i < m_used.size(); ++i) {
        if (m_used[i])
            used.push_back(static_cast<int>(i));
    }
    return used;
}

void StationIndex::prepareOrders()
{
    std::vector<SortKey> missing;
    for (SortKey key : kListKeys) {
        if (!orderSlot(key))
            missing.push_back(key);
    }
    if (missing.empty())
        return;
    std::vector<std::vector<int>> orders = makeStationOrders(m_base, usedStations(), missing);
    for (std::size_t k = 0; k < missing.size(); ++k)
        orderSlot(missing[k]) = std::move(orders[k]);
}

bool StationIndex::ordersMissing() const
{
    return std::any_of(kListKeys.begin(), kListKeys.end(),
                       [this](SortKey key) { return !m_orders[slotOf(key)]; });
}

std::size_t StationIndex::slotOf(SortKey key) const
{
    return sortFieldsFor(key) ? static_cast<std::size_t>(key) : m_orders.size() - 1;
}

std::optional<std::vector<int>>& StationIndex::orderSlot(SortKey key)
{
    return m_orders[slotOf(key)];
}

const std::vector<int>& StationIndex::order(SortKey key)
{
    std::optional<std::vector<int>>& slot = orderSlot(key);
    if (!slot) {
        const SortKey keys[] = {key};
        slot = std::move(makeStationOrders(m_base, usedStations(), keys).front());
    }
    return *slot;
}

bool StationIndex::before(int a, int b, SortKey key) const
{
    const int c = compareStations(m_base[a], m_base[b], key);
    return c != 0 ? c < 0 : a < b;
}

void StationIndex::added(int index)
{
    const auto at = static_cast<std::size_t>(index);
    if (m_used.size() <= at)
        m_used.resize(at + 1, 0);
    m_used[at] = 0;
    changed(index);
}

void StationIndex::changed(int index)
{
    const auto at = static_cast<std::size_t>(index);
    const bool wasUsed = m_used[at] != 0;
    const bool used = !m_base[index].stName.empty();
    m_used[at] = used ? 1 : 0;
    m_usedCount += (used ? 1 : 0) - (wasUsed ? 1 : 0);
    for (std::size_t k = 0; k < m_orders.size(); ++k) {
        if (!m_orders[k])
            continue;
        std::vector<int>& order = *m_orders[k];
        const SortKey key = k + 1 < m_orders.size() ? static_cast<SortKey>(k) : SortKey(-1);
        if (wasUsed)
            order.erase(std::find(order.begin(), order.end(), index));
        if (used)
            order.insert(std::lower_bound(order.begin(), order.end(), index,
                                          [&](int a, int b) { return before(a, b, key); }),
                         index);
    }
}

void StationIndex::markPassing(const StationFilter& filter, std::time_t utc,
                               const std::vector<std::uint8_t>* candidates)
{
    m_marks.assign(m_used.size(), Unlisted);
    overStations(m_used.size(), [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            if (!m_used[i] || (candidates && !(*candidates)[i]))
                continue;
            const FilterVerdict verdict = passesFilter(m_base[static_cast<int>(i)], filter, utc);
            if (verdict.passes)
                m_marks[i] = verdict.onAir ? ListedOnAir : ListedOffAir;
        }
    });
}

void StationIndex::collect(SortKey key, std::vector<ListedStation>& rows)
{
    rows.clear();
    for (const int station : order(key)) {
        if (const std::uint8_t mark = m_marks[static_cast<std::size_t>(station)])
            rows.push_back({station, mark == ListedOnAir});
    }
}

void StationIndex::list(const StationFilter& filter, std::time_t utc,
                        std::vector<ListedStation>& rows)
{
    markPassing(filter, utc, nullptr);
    collect(filter.sortKey, rows);
}

int StationIndex::search(const StationFilter& filter, std::u16string_view text, bool matchCase,
                         const CaseMap& caseMap, std::time_t utc, std::vector<ListedStation>& rows)
{
    const std::u16string wanted = matchCase ? std::u16string(text) : caseMap.apply(text);
    // One byte a station, not vector<bool>'s bits: the two threads write side by side.
    std::vector<std::uint8_t> matches(m_used.size(), 0);
    overStations(m_used.size(), [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i)
            matches[i] =
                m_used[i] && matchesText(m_base[static_cast<int>(i)], wanted, matchCase, caseMap);
    });
    markPassing(filter, utc, &matches);
    collect(filter.sortKey, rows);
    return static_cast<int>(std::count(matches.begin(), matches.end(), 1));
}

void StationIndex::sort(std::vector<ListedStation>& rows, SortKey key)
{
    m_marks.assign(m_used.size(), Unlisted);
    for (const ListedStation& row : rows)
        m_marks[static_cast<std::size_t>(row.index)] = row.onAir ? ListedOnAir : ListedOffAir;
    collect(key, rows);
}

std::size_t StationIndex::placeOf(const std::vector<ListedStation>& rows, int index,
                                  SortKey key) const
{
    const auto after = std::upper_bound(
        rows.begin(), rows.end(), index,
        [&](int station, const ListedStation& row) { return before(station, row.index, key); });
    return static_cast<std::size_t>(after - rows.begin());
}

} // namespace kavrin
