#include "core/text/CaseFold.h"

#include <algorithm>

namespace kavrin {

std::u16string foldCase(std::u16string_view text)
{
    std::u16string folded(text.size(), u'\0');
    std::transform(text.begin(), text.end(), folded.begin(), foldChar);
    return folded;
}

} // namespace kavrin
