#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// A mapping of every UTF-16 code unit to another, as a search that ignores case compares texts:
// the case folding of the sort keys (foldChar), or a platform's lower-case function. Made once,
// it maps a unit with one table lookup, so a search over a large base does not call a function
// for every character it reads.
class CaseMap {
public:
    // Maps one code unit; a unit without a lower-case form maps to itself.
    using Lower = char16_t (*)(char16_t);

    // The table of `lower`, called once for each of the 65,536 code units.
    explicit CaseMap(Lower lower);

    // foldChar's table, made on first use.
    static const CaseMap& folding();

    char16_t operator()(char16_t unit) const { return m_table[unit]; }

    // `text` with every code unit mapped; the result has the same length.
    std::u16string apply(std::u16string_view text) const;

private:
    std::vector<char16_t> m_table;
};

} // namespace kavrin
