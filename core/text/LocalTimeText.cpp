#include "core/text/LocalTimeText.h"

#include "core/system/Clock.h"

namespace kavrin {

std::string localDateTimeText(std::time_t utc)
{
    const Result<std::tm> local = toLocalTime(utc);
    if (!local)
        return {};
    char text[40];
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &*local) > 0 ? text : "";
}

} // namespace kavrin
