#pragma once

#include "core/base/ORVImpl.h"
#include "core/tuning/ReceiverMode.h"

#include <optional>
#include <string>

namespace kavrin {

// Texts about the receiver that the programs and the command-line tool show as they are.

// "9.910 MHz": the frequency rounded to whole hertz, with three decimals, or as many more as the
// hertz need ("145.6125 MHz", "7.000001 MHz").
std::u16string receiverFrequencyText(double mhz);

// "Tuned to 9.910 MHz, USB"; "Tuned to 9.910 MHz" when the mode was left as it was.
std::u16string tunedText(double mhz, std::optional<ReceiverMode> mode);

// The status line of a followed receiver at `mhz` with its best match `station` (nullptr when no
// station is near), e.g. "Receiver 9.910 MHz: KTWR DRM (Mandarin), on the air until 13:45".
// On the air: "on the air until" the end of its hours, or only "on the air" when it works all
// day; off the air: "off the air (13:00-13:45)", or only "off the air" when it works all day.
// Hours are in local time with `localOffsetSeconds` (local minus UTC), or in GMT with " GMT"
// after them, as the lists show them (FormatHourTextAt). No station: "Receiver 9.910 MHz: no
// station".
std::u16string receiverStatusText(double mhz, const ORVImpl::FreqInfo* station, bool onAir,
                                  bool localTime, int localOffsetSeconds);

} // namespace kavrin
