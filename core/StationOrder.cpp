#include "StationOrder.h"

#include "CaseFold.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

namespace {

using Fields = std::array<SortKey, 3>;

// The fields compared for each sort key, indexed by SortKey Frequency … Comment.
constexpr std::array<Fields, 5> kFieldsByKey = {{
    {SortKey::Frequency, SortKey::Name, SortKey::Modulation},
    {SortKey::Name, SortKey::Frequency, SortKey::Location},
    {SortKey::Modulation, SortKey::Frequency, SortKey::Name},
    {SortKey::Location, SortKey::Frequency, SortKey::Name},
    {SortKey::Comment, SortKey::Frequency, SortKey::Name},
}};

const Fields* fieldsFor(SortKey key)
{
    const auto i = static_cast<std::uint32_t>(key);  // a negative value becomes huge: no fields
    return i < kFieldsByKey.size() ? &kFieldsByKey[i] : nullptr;
}

// The text a field compares, or nullptr for a field that is not a text.
std::u16string ORVImpl::FreqInfo::*textMember(SortKey field)
{
    switch (field) {
    case SortKey::Name:
        return &ORVImpl::FreqInfo::stName;
    case SortKey::Location:
        return &ORVImpl::FreqInfo::stLoc;
    case SortKey::Comment:
        return &ORVImpl::FreqInfo::stComment;
    default:
        return nullptr;
    }
}

// The number a field compares; nothing for a text field or an unknown one. A modulation code is
// exact as a double, so both numeric fields share one comparison.
std::optional<double> numberKey(const ORVImpl::FreqInfo& r, SortKey field)
{
    switch (field) {
    case SortKey::Frequency:
        return r.LowestFreq();
    case SortKey::Modulation:
        return r.modulation;
    default:
        return std::nullopt;
    }
}

template <typename T>
int sign(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// NaN after every number and equal to itself: a plain comparison would make NaN "equal" to
// everything, which is no order at all and undefined behaviour for std::sort.
int compareNumbers(double a, double b)
{
    const bool nanA = std::isnan(a);
    const bool nanB = std::isnan(b);
    if (nanA || nanB)
        return static_cast<int>(nanA) - static_cast<int>(nanB);
    return sign(a, b);
}

int compareFolded(std::u16string_view a, std::u16string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t fa = foldChar(a[i]);
        const char16_t fb = foldChar(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return sign(a.size(), b.size());
}

constexpr std::size_t kHeadChars = 16;

// A field of one row reduced, once per sort, to a key that orders like compareByField and mostly
// decides with integer comparisons, so that sorting a large list seldom leaves the key array.
// A number is mapped to an integer of the same order. A text is folded into the sort's arena and
// its first kHeadChars characters are packed into `head`; only rows whose heads agree read the
// rest (station names often share a first word, so a shorter head would send many there).
struct FieldKey {
    std::uint64_t head[kHeadChars / 4] = {};
    std::uint32_t offset = 0;  // text: position in the arena
    std::uint32_t length = 0;  // text: number of characters; 0 for a number
};

std::uint64_t orderedBits(double v)
{
    if (std::isnan(v))
        return ~std::uint64_t{0};  // after everything, equal to itself
    if (v == 0)
        v = 0;  // -0 equals +0
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
    std::array<FieldKey, 3> keys;  // the sort key's three fields, in order
    int index = 0;                 // station index, the last tie-breaker
    std::uint32_t row = 0;         // position in the unsorted rows
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
    for (const StationRow& row : rows)  // at() keeps an index outside the base from writing anywhere
        ++start.at(std::size_t{static_cast<std::uint32_t>(row.index)} + 1);
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<RowRef> order(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[start[static_cast<std::size_t>(rows[i].index)]++] = {rows[i].index,
                                                                   static_cast<std::uint32_t>(i)};
    return order;
}

// Sorts the two halves on two threads and merges them; small lists, or a system that cannot
// start a thread, are sorted on the calling thread alone.
template <typename Less>
void sortInTwoHalves(std::vector<SortEntry>& entries, Less less)
{
    constexpr std::size_t kWorthAThread = 16384;
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    if (entries.size() >= kWorthAThread && std::thread::hardware_concurrency() > 1) {
        try {
            std::thread firstHalf([&] { std::sort(entries.begin(), middle, less); });
            std::sort(middle, entries.end(), less);
            firstHalf.join();
            std::inplace_merge(entries.begin(), middle, entries.end(), less);
            return;
        } catch (const std::system_error&) {
        }
    }
    std::sort(entries.begin(), entries.end(), less);
}

}  // namespace

int compareByField(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey field)
{
    if (auto member = textMember(field))
        return compareFolded(a.*member, b.*member);
    const std::optional<double> x = numberKey(a, field);
    const std::optional<double> y = numberKey(b, field);
    return x && y ? compareNumbers(*x, *y) : 0;
}

int compareStations(const ORVImpl::FreqInfo& a, const ORVImpl::FreqInfo& b, SortKey sortKey)
{
    const Fields* fields = fieldsFor(sortKey);
    if (!fields)
        return 0;
    for (SortKey field : *fields) {
        if (const int c = compareByField(a, b, field))
            return c;
    }
    return 0;
}

void sortRows(std::vector<StationRow>& rows, const ORVImpl& base, SortKey sortKey)
{
    // An unknown key compares every pair equal, leaving the station index alone to decide.
    static constexpr Fields kNoFields = {SortKey(-1), SortKey(-1), SortKey(-1)};
    const Fields* known = fieldsFor(sortKey);
    const Fields& fields = known ? *known : kNoFields;

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
            if (auto member = textMember(fields[p]))
                e.keys[p] = textFieldKey(r.*member, arena);
            else
                e.keys[p] = numberFieldKey(numberKey(r, fields[p]).value_or(0));
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
