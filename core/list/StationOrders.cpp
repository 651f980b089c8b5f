#include "core/list/StationOrders.h"

#include "core/list/SortFields.h"
#include "core/system/HugePages.h"
#include "core/system/TwoThreads.h"
#include "core/text/CaseFold.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <string_view>
#include <tuple>

namespace kavrin {

namespace {

// A number mapped to an unsigned integer of the same order; a value that is not a number comes
// after every number and equals itself, and -0 equals +0.
std::uint64_t orderedBits(double v)
{
    if (std::isnan(v))
        return ~std::uint64_t{0};
    if (v == 0)
        v = 0;
    const auto bits = std::bit_cast<std::uint64_t>(v);
    return (bits >> 63) ? ~bits : bits | (std::uint64_t{1} << 63);
}

constexpr std::size_t kHeadChars = 16;

// One folded text: its first kHeadChars characters packed into `head` so that most comparisons
// are integer comparisons; only texts whose heads agree read the rest in the arena. Station names
// often share a first word, so a shorter head would send many there.
struct FoldedText {
    std::uint64_t head[kHeadChars / 4] = {};
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t position = 0; // in the stations being ordered
};

FoldedText foldInto(std::u16string_view text, std::u16string& arena)
{
    FoldedText t;
    t.offset = static_cast<std::uint32_t>(arena.size());
    t.length = static_cast<std::uint32_t>(text.size());
    arena.resize(arena.size() + text.size());
    char16_t* folded = arena.data() + t.offset;
    std::transform(text.begin(), text.end(), folded, foldChar);
    for (std::size_t i = 0; i < std::min(text.size(), kHeadChars); ++i)
        t.head[i / 4] |= std::uint64_t{folded[i]} << (16 * (3 - i % 4));
    return t;
}

// -1, 0 or +1 as the folded texts compare as unsigned 16-bit characters, a prefix first.
int compareFolded(const FoldedText& a, const FoldedText& b, const std::u16string& arena)
{
    for (std::size_t h = 0; h < std::size(a.head); ++h) {
        if (a.head[h] != b.head[h])
            return a.head[h] < b.head[h] ? -1 : 1;
    }
    // The heads agree as far as both texts reach (a missing character counts as 0): when one text
    // ends within its head it is a prefix of the other or equal to it, and the length decides.
    if (a.length > kHeadChars && b.length > kHeadChars) {
        const std::u16string_view all(arena);
        const auto tail = [&](const FoldedText& t) {
            return all.substr(t.offset + kHeadChars, t.length - kHeadChars);
        };
        if (const int c = tail(a).compare(tail(b)))
            return c < 0 ? -1 : 1;
    }
    return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
}

// Sorts a large array in two halves on two threads and merges them.
template <typename T, typename Less> void sortOnTwoThreads(std::vector<T>& items, Less less)
{
    if (items.size() < kItemsWorthAThread) {
        std::sort(items.begin(), items.end(), less);
        return;
    }
    const auto middle = items.begin() + static_cast<std::ptrdiff_t>(items.size() / 2);
    runBoth([&] { std::sort(items.begin(), middle, less); },
            [&] { std::sort(middle, items.end(), less); });
    std::inplace_merge(items.begin(), middle, items.end(), less);
}

// What ranking one text field needs, kept from field to field: a million stations' folded texts
// take a hundred megabytes, and fresh memory costs more to hand over than to sort.
struct TextScratch {
    std::u16string arena;
    std::vector<FoldedText> texts;
};

// The rank of each station's folded text among all of them, by position: equal texts share one.
std::vector<std::uint64_t> textRanks(const ORVImpl& base, const std::vector<int>& stations,
                                     std::u16string ORVImpl::FreqInfo::*member,
                                     TextScratch& scratch)
{
    std::u16string& arena = scratch.arena;
    std::vector<FoldedText>& texts = scratch.texts;
    arena.clear();
    reserveFresh(arena, stations.size() * 24);
    reserveFresh(texts, stations.size());
    texts.resize(stations.size());
    for (std::size_t p = 0; p < stations.size(); ++p) {
        texts[p] = foldInto(base[stations[p]].*member, arena);
        texts[p].position = static_cast<std::uint32_t>(p);
    }
    sortOnTwoThreads(texts, [&arena](const FoldedText& a, const FoldedText& b) {
        return compareFolded(a, b, arena) < 0;
    });
    std::vector<std::uint64_t> ranks(stations.size());
    std::uint64_t rank = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0 && compareFolded(texts[i - 1], texts[i], arena) != 0)
            ++rank;
        ranks[texts[i].position] = rank;
    }
    return ranks;
}

// A station under one key: its three fields as integers of the same order, then its position.
struct OrderEntry {
    std::array<std::uint64_t, 3> fields;
    std::uint32_t position;

    // Field by field as integers: the array's own comparison goes through memcmp, the largest
    // cost of sorting a million entries.
    bool operator<(const OrderEntry& other) const
    {
        return std::tie(fields[0], fields[1], fields[2], position) <
               std::tie(other.fields[0], other.fields[1], other.fields[2], other.position);
    }
};

} // namespace

std::vector<std::vector<int>> makeStationOrders(const ORVImpl& base,
                                                const std::vector<int>& stations,
                                                std::span<const SortKey> keys)
{
    // The ranks of each text field some key compares, made once for all of them.
    std::map<SortKey, std::vector<std::uint64_t>> ranks;
    for (SortKey key : keys) {
        if (const SortFields* fields = sortFieldsFor(key)) {
            for (SortKey field : *fields) {
                if (sortText(field) && !ranks.contains(field))
                    ranks[field];
            }
        }
    }
    {
        TextScratch scratch;
        for (auto& [field, fieldRanks] : ranks)
            fieldRanks = textRanks(base, stations, sortText(field), scratch);
    }

    std::vector<std::vector<int>> orders;
    std::vector<OrderEntry> entries;
    reserveFresh(entries, stations.size());
    entries.resize(stations.size());
    for (SortKey key : keys) {
        const SortFields* fields = sortFieldsFor(key);
        for (std::size_t p = 0; p < stations.size(); ++p) {
            OrderEntry& e = entries[p];
            e.position = static_cast<std::uint32_t>(p);
            for (std::size_t f = 0; f < e.fields.size(); ++f) {
                if (!fields)
                    e.fields[f] = 0;
                else if (sortText((*fields)[f]))
                    e.fields[f] = ranks[(*fields)[f]][p];
                else
                    e.fields[f] =
                        orderedBits(sortNumber(base[stations[p]], (*fields)[f]).value_or(0));
            }
        }
        sortOnTwoThreads(entries, std::less<>());
        std::vector<int>& order = orders.emplace_back(stations.size());
        std::transform(entries.begin(), entries.end(), order.begin(),
                       [&stations](const OrderEntry& e) { return stations[e.position]; });
    }
    return orders;
}

} // namespace kavrin
