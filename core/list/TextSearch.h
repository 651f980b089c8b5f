#pragma once

#include "core/base/ORVImpl.h"

#include <string_view>

namespace kavrin {

class CaseMap;

// Whether `text` occurs as a contiguous run of 16-bit characters in the station's name, location
// or comment (not in the sounds folder). With `matchCase` false the three fields are compared
// through `caseMap`, and `text` must already have been put through it (CaseMap::apply), once per
// search: a capital that the map leaves alone then never matches. An empty text matches every
// record.
bool matchesText(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase,
                 const CaseMap& caseMap);

} // namespace kavrin
