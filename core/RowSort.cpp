#include "core/RowSort.h"

#include "core/CaseFold.h"
#include "core/SortFields.h"
#include "core/TwoThreads.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <string_view>

namespace kavrin {

namespace {

template <typename T> int sign(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

constexpr std::size_t kHeadChars = 16;

// A field of one row reduced, once per sort, to a key that orders like compareByField and mostly
// decides with integer comparisons, so that sorting a large list seldom leaves the key array.
// A number is mapped to an integer of the same order. A text is folded into the sort's arena and
// its first kHeadChars characters are packed into `head`; only rows whose heads agree read the
// rest (station names often share a first word, so a shorter head would send many there).
struct FieldKey {
    std::uint64_t head[kHeadChars / 4] = {};
    std::uint32_t offset = 0; // text: position in the arena
    std::uint32_t length = 0; // text: number of characters; 0 for a number
};

std::uint64_t orderedBits(double v)
{
    if (std::isnan(v))
        return ~std::uint64_t{0}; // after everything, equal to itself
    if (v == 0)
        v = 0; // -0 equals +0
    const auto bits = std::bit_cast<std::uint64_t>(v);
    return (bits >> 63) ? ~bits : bits | (std::uint64_t{1} << 63);
}

FieldKey numberFieldKey(double v)
{
    FieldKey k;
    k.head[0] = orderedBits(v);
    return k;
}

FieldKey textFieldKey(std::u16string_view text, std::u16string& arena)
{
    FieldKey k;
    k.offset = static_cast<std::uint32_t>(arena.size());
    k.length = static_cast<std::uint32_t>(text.size());
    arena.resize(arena.size() + text.size());
    char16_t* folded = arena.data() + k.offset;
    std::transform(text.begin(), text.end(), folded, foldChar);
    for (std::size_t i = 0; i < std::min(text.size(), kHeadChars); ++i)
        k.head[i / 4] |= std::uint64_t{folded[i]} << (16 * (3 - i % 4));
    return k;
}

// Heads agree, so the first kHeadChars characters agree as far as both texts reach (a missing
// character counts as 0); what follows decides, then the length. When one text ends within its
// head, it is a prefix of the other or equal to it, and the length alone decides.
int compareTails(const FieldKey& a, const FieldKey& b, const std::u16string& arena)
{
    if (a.length <= kHeadChars || b.length <= kHeadChars)
        return sign(a.length, b.length);
    const auto tail = [&](const FieldKey& k) {
        return std::u16string_view(arena).substr(k.offset + kHeadChars, k.length - kHeadChars);
    };
    if (const int c = sign(tail(a).compare(tail(b)), 0))
        return c;
    return sign(a.length, b.length);
}

struct SortEntry {
    std::array<FieldKey, 3> keys; // the sort key's three fields, in order
    int index = 0;                // station index, the last tie-breaker
    std::uint32_t row = 0;        // position in the unsorted rows
};

// compareStations on the keys, then the station index.
bool entryBefore(const SortEntry& a, const SortEntry& b, const std::u16string& arena)
{
    for (std::size_t p = 0; p < a.keys.size(); ++p) {
        const FieldKey& x = a.keys[p];
        const FieldKey& y = b.keys[p];
        for (std::size_t h = 0; h < std::size(x.head); ++h) {
            if (x.head[h] != y.head[h])
                return x.head[h] < y.head[h];
        }
        if (const int c = compareTails(x, y, arena))
            return c < 0;
    }
    return a.index < b.index;
}

// A row by its station index and its position in the rows.
struct RowRef {
    int index;
    std::uint32_t row;
};

// The rows in base order (a counting sort: indices lie in the base). Reading the rows once in
// their own order and the base once in its order keeps both passes sequential.
std::vector<RowRef> rowsInBaseOrder(const std::vector<StationRow>& rows, int baseCount)
{
    std::vector<std::uint32_t> start(static_cast<std::size_t>(baseCount) + 1, 0);
    for (const StationRow& row : rows) // at() keeps an index outside the base from writing anywhere
        ++start.at(std::size_t{static_cast<std::uint32_t>(row.index)} + 1);
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<RowRef> order(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[start[static_cast<std::size_t>(rows[i].index)]++] = {rows[i].index,
                                                                   static_cast<std::uint32_t>(i)};
    return order;
}

// Sorts the two halves of a large list on two threads and merges them.
template <typename Less> void sortInTwoHalves(std::vector<SortEntry>& entries, Less less)
{
    if (entries.size() < kItemsWorthAThread) {
        std::sort(entries.begin(), entries.end(), less);
        return;
    }
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    runBoth([&] { std::sort(entries.begin(), middle, less); },
            [&] { std::sort(middle, entries.end(), less); });
    std::inplace_merge(entries.begin(), middle, entries.end(), less);
}

} // namespace

void sortRows(std::vector<StationRow>& rows, const ORVImpl& base, SortKey sortKey)
{
    // An unknown key compares every pair equal, leaving the station index alone to decide.
    static constexpr SortFields kNoFields = {SortKey(-1), SortKey(-1), SortKey(-1)};
    const SortFields* known = sortFieldsFor(sortKey);
    const SortFields& fields = known ? *known : kNoFields;

    // Keys are made in base order whatever order the rows are in: a re-sort would otherwise visit
    // the base at random, and on a large base that costs more than the sort itself.
    const std::vector<RowRef> inBaseOrder = rowsInBaseOrder(rows, base.GetCount());

    std::u16string arena;
    arena.reserve(rows.size() * 24);
    std::vector<SortEntry> entries(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ORVImpl::FreqInfo& r = base[inBaseOrder[i].index];
        SortEntry& e = entries[i];
        for (std::size_t p = 0; p < fields.size(); ++p) {
            if (auto member = sortText(fields[p]))
                e.keys[p] = textFieldKey(r.*member, arena);
            else
                e.keys[p] = numberFieldKey(sortNumber(r, fields[p]).value_or(0));
        }
        e.index = inBaseOrder[i].index;
        e.row = inBaseOrder[i].row;
    }

    sortInTwoHalves(entries, [&arena](const SortEntry& a, const SortEntry& b) {
        return entryBefore(a, b, arena);
    });

    std::vector<StationRow> sorted;
    sorted.reserve(rows.size());
    for (const SortEntry& e : entries)
        sorted.push_back(std::move(rows[e.row]));
    rows = std::move(sorted);
}

} // namespace kavrin
