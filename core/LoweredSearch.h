#pragma once

#include "core/ORVImpl.h"
#include "core/StationFilter.h"
#include "core/StationList.h"

#include <ctime>
#include <string>
#include <string_view>

namespace kavrin {

// A search that compares lower-cased texts, each 16-bit character put through a caller-given
// lower-case mapping (a program passes its platform's wide-character lower-case function). Unlike
// foldCase this reaches every capital the mapping knows (accented Latin, Greek, all of Cyrillic),
// and the mapping runs on the text and on the three fields alike.

// Maps one UTF-16 code unit to its lower-case form; a unit without one maps to itself.
using CharLower = char16_t (*)(char16_t);

// `text` with every code unit put through `lower`; the result has the same length.
std::u16string lowerEach(std::u16string_view text, CharLower lower);

// Whether `text` occurs in the station's name, location or comment. With `matchCase` false the
// fields are lowered with `lower` and `text` must already be lowered (lowerEach). An empty text
// matches every record.
bool matchesLowered(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase,
                    CharLower lower);

// The stations that contain `text` (as typed: lowered here when `matchCase` is false), in base
// order, unused records skipped; every match is counted in matchCount and only those the filter
// passes become rows, sorted under the filter's sortKey. The first form judges "on the air" at
// `utc` with local hours shifted by `localOffsetSeconds`; the second reads the clock once.
SearchResult buildLoweredSearchResult(const ORVImpl& base, const StationFilter& filter,
                                      std::u16string_view text, bool matchCase, CharLower lower,
                                      std::time_t utc, int localOffsetSeconds);
SearchResult buildLoweredSearchResult(const ORVImpl& base, const StationFilter& filter,
                                      std::u16string_view text, bool matchCase, CharLower lower);

} // namespace kavrin
