#pragma once

#include "core/list/StationRow.h"

#include <ostream>
#include <string>
#include <vector>

namespace kavrin::cli {

// The rows of a station list, one a line as name, summary and "on"/"off" separated by tabs; tabs
// and line breaks inside a text are printed as spaces.
void printRows(const std::vector<StationRow>& rows, std::ostream& out);

// The status line under the rows, in the same way.
void printStatusLine(const std::u16string& status, std::ostream& out);

} // namespace kavrin::cli
