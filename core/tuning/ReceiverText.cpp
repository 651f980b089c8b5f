#include "core/tuning/ReceiverText.h"

#include "core/station/OnAir.h"
#include "core/text/HourText.h"

#include <cmath>
#include <cstdint>

namespace kavrin {

namespace {

std::u16string ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

std::u16string receiverFrequencyText(double mhz)
{
    const std::int64_t hz = std::llround(std::abs(mhz) * 1e6);
    std::string fraction = std::to_string(hz % 1'000'000);
    fraction.insert(0, 6 - fraction.size(), '0');
    while (fraction.size() > 3 && fraction.back() == '0')
        fraction.pop_back();
    return ascii((mhz < 0 ? "-" : "") + std::to_string(hz / 1'000'000) + "." + fraction + " MHz");
}

std::u16string tunedText(double mhz, std::optional<ReceiverMode> mode)
{
    std::u16string text = u"Tuned to " + receiverFrequencyText(mhz);
    if (mode)
        text += u", " + ascii(std::string(receiverModeName(*mode)));
    return text;
}

std::u16string receiverStatusText(double mhz, const ORVImpl::FreqInfo* station, bool onAir,
                                  bool localTime, int localOffsetSeconds)
{
    std::u16string text = u"Receiver " + receiverFrequencyText(mhz) + u": ";
    if (!station)
        return text + u"no station";
    text += station->stName;
    text += onAir ? u", on the air" : u", off the air";
    if (worksAllDay(*station))
        return text;
    const auto hour = [&](int h, int m) {
        return FormatHourTextAt(h, m, localTime, localOffsetSeconds);
    };
    const std::u16string zone = localTime ? u"" : u" GMT";
    if (onAir)
        return text + u" until " + hour(station->toHour, station->toMin) + zone;
    return text + u" (" + hour(station->fromHour, station->fromMin) + u"-" +
           hour(station->toHour, station->toMin) + zone + u")";
}

} // namespace kavrin
