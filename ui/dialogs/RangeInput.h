#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace kavrin {

// Reads the two edge texts of a range dialog: each by the standard string-to-double rule
// ("7,1" reads as 7), held as a float. Nothing when a text is empty, the low edge is negative,
// the high edge lies above `limit` or the edges are in the wrong order.
std::optional<std::pair<float, float>> readRange(const QString& lowText, const QString& highText,
                                                 float limit);

} // namespace kavrin
