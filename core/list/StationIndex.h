#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string_view>
#include <vector>

namespace kavrin {

class CaseMap;

// A station as a list shows it: its index in the base, and whether it was on the air when the
// list was made.
struct ListedStation {
    int index = 0;
    bool onAir = false;

    bool operator==(const ListedStation&) const = default;
};

// What the lists of one base need to be made at once on a large base: the used stations in the
// order of each sort key, made once and then kept in step with the base as stations are added,
// edited and deleted. A list in any order is then one pass over the base under the filter and one
// pass over an order, and putting a list into another order is one pass over that order. The
// order of a key is compareStations under it, the station index breaking ties.
//
// Orders are made on first use, or all at once with prepareOrders(). The index reads the base
// only when one of its calls is made; it is not thread-safe: whoever has the base has the index.
class StationIndex {
public:
    explicit StationIndex(const ORVImpl& base);

    // Forgets everything known of the base: it was loaded or replaced as a whole.
    void reset();

    // Makes the orders of the list's four sort keys now (a load does this on its worker); those
    // already made are kept.
    void prepareOrders();
    // Makes the order of `key` now, and only that one: what a list needs to be shown.
    void prepareOrder(SortKey key) { order(key); }
    // Whether prepareOrders() would make any order.
    bool ordersMissing() const;

    // The record at `index` was appended to the base.
    void added(int index);

    // The record at `index` was changed in place; an emptied name takes it out of every order.
    void changed(int index);

    // The stations with a name.
    int usedCount() const { return m_usedCount; }

    // `rows` becomes every used station that passes `filter`, its on-air state judged at `utc`, in
    // the filter's sort order. The storage of `rows` is reused.
    void list(const StationFilter& filter, std::time_t utc, std::vector<ListedStation>& rows);

    // `rows` becomes the used stations that contain `text` (matchesText, with `text` as typed:
    // mapped here through `caseMap` when `matchCase` is false) and pass `filter`, in its sort
    // order. Returns the number of stations that contain the text, held back by the filter or not.
    int search(const StationFilter& filter, std::u16string_view text, bool matchCase,
               const CaseMap& caseMap, std::time_t utc, std::vector<ListedStation>& rows);

    // Puts `rows` (used stations, each at most once) into the order of `key`.
    void sort(std::vector<ListedStation>& rows, SortKey key);

    // Where a row of station `index` belongs among `rows`, which are in the order of `key`: the
    // position of the first row that comes after it.
    std::size_t placeOf(const std::vector<ListedStation>& rows, int index, SortKey key) const;

private:
    enum Mark : std::uint8_t { Unlisted = 0, ListedOffAir = 1, ListedOnAir = 2 };

    const std::vector<int>& order(SortKey key);
    std::size_t slotOf(SortKey key) const;
    std::optional<std::vector<int>>& orderSlot(SortKey key);
    std::vector<int> usedStations() const;
    bool before(int a, int b, SortKey key) const;
    void collect(SortKey key, std::vector<ListedStation>& rows);
    void markPassing(const StationFilter& filter, std::time_t utc,
                     const std::vector<std::uint8_t>* candidates);

    const ORVImpl& m_base;
    std::vector<std::uint8_t> m_used; // by station: 1 when it has a name
    int m_usedCount = 0;
    // By station, for the pass that makes a list: whether it is listed, and how.
    std::vector<std::uint8_t> m_marks;
    // By sort key, the last for a key without fields (index order).
    std::array<std::optional<std::vector<int>>, 6> m_orders;
};

} // namespace kavrin
