#pragma once

#include <optional>
#include <string_view>

namespace kavrin {

// The modes a receiver is tuned to. The receiver link maps them to its radio library's modes.
enum class ReceiverMode {
    AM,
    FM,  // narrow FM
    WFM, // broadcast wide FM
    USB,
    LSB,
    CW,
};

// The mode to tune for a station of modulation `code` (core/Modulation.h) heard at `mhz`: AM → AM,
// FM → WFM from 88 to 108 MHz (both included) and FM elsewhere, NFM → FM, USB → USB, LSB → LSB,
// CW → CW, DRM and Digital → USB (the receiver passes the signal on to a decoder). Nothing for
// Unknown and any other code: the receiver keeps the mode it has.
std::optional<ReceiverMode> modeForModulation(int code, double mhz);

// "AM", "FM", "WFM", "USB", "LSB", "CW".
std::string_view receiverModeName(ReceiverMode mode);

// The mode named `name` as receiverModeName spells it, in any letter case; nothing for any other
// text.
std::optional<ReceiverMode> receiverModeNamed(std::string_view name);

} // namespace kavrin
