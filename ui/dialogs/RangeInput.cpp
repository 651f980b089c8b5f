#include "ui/dialogs/RangeInput.h"

#include "core/text/NumberText.h"

namespace kavrin {

std::optional<std::pair<float, float>> readRange(const QString& lowText, const QString& highText,
                                                 float limit)
{
    if (lowText.isEmpty() || highText.isEmpty())
        return std::nullopt;
    const auto low = static_cast<float>(parseDoublePrefix(lowText.toStdU16String()));
    const auto high = static_cast<float>(parseDoublePrefix(highText.toStdU16String()));
    if (!(low >= 0 && high <= limit && low <= high))
        return std::nullopt;
    return std::pair{low, high};
}

} // namespace kavrin
