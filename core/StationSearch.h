#pragma once

#include "core/ORVImpl.h"

#include <string_view>

namespace kavrin {

// Whether `text` occurs as a contiguous run of 16-bit characters in the station's name, location
// or comment (not in the sounds folder). With `matchCase` false the three fields are compared
// case-folded (foldCase) and `text` must already be folded by the caller, once per search; a
// capital that folding removes then never matches. An empty text matches every record.
bool matchesSearch(const ORVImpl::FreqInfo& record, std::u16string_view text, bool matchCase);

} // namespace kavrin
