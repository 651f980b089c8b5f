#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kavrin {

// The weekdays named by the Days field of a CSV or text schedule line, as the record keeps them:
// index 0 Sunday … 6 Saturday.
//
// An empty field means every day. Otherwise the field is a list of items, written run together
// ("SaSu") or separated by commas or blanks ("Tu,Fr"); an item is a day or a range of days
// ("Mo-Fr"), and a range whose end comes before its start in the week wraps past Sunday
// ("We-Mo" is Wednesday to Monday). A day is a two-letter name (Mo Tu We Th Fr Sa Su) or a digit,
// 1 Monday … 7 Sunday. Anything else ("irr", "Ram", "1.Sa", "24Dec", "LSB") names no plain
// weekday and gives nothing.
std::optional<std::array<bool, 7>> parseScheduleDays(std::u16string_view field);

} // namespace kavrin
