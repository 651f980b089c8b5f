#pragma once

#include "core/base/ORVImpl.h"
#include "core/list/StationFilter.h"

#include <array>
#include <optional>
#include <string>

namespace kavrin {

// The fields that make up each station order, shared by the plain comparison and the row sort so
// that both follow one table.

using SortFields = std::array<SortKey, 3>;

// The fields compared in turn under `sortKey`:
//   Frequency:  Frequency, Name, Modulation      Name:     Name, Frequency, Location
//   Modulation: Modulation, Frequency, Name      Location: Location, Frequency, Name
//   Comment:    Comment, Frequency, Name
// nullptr for any other value.
const SortFields* sortFieldsFor(SortKey sortKey);

// The text a field compares (stName, stLoc, stComment), or nullptr for a field that is not a text.
std::u16string ORVImpl::FreqInfo::*sortText(SortKey field);

// The number a field compares (LowestFreq(), or the modulation code, exact as a double); nothing
// for a text field or an unknown one.
std::optional<double> sortNumber(const ORVImpl::FreqInfo& record, SortKey field);

} // namespace kavrin
