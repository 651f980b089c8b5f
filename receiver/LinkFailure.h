#pragma once

// Why a receiver call failed, in words for the user. Internal to receiver/.

#include "core/system/Result.h"

#include <chrono>
#include <string>

namespace kavrin {

// The receiver a link talks to, as the reasons name it.
struct ReceiverPlace {
    std::string where;   // "the receiver at localhost:4532", "the receiver on /dev/ttyUSB0"
    std::string address; // as given in the settings
    bool network = false;
};

// Why rig_open failed with hamlib's `code`. For a network receiver the address is tried once more
// with a connection of its own (for at most `limit`), which tells a refused connection, an
// unknown host and a silent receiver apart; for a device, whether it is there and may be used.
std::string openFailure(int code, const ReceiverPlace& place, std::chrono::milliseconds limit);

// Why a call that sets or reads `subject` ("the frequency 9.910 MHz", "the mode WFM") failed
// with hamlib's `code`. Of Kind::ConnectionLost when the failure leaves the connection unusable
// (no answer, a broken connection, an answer out of step): the link is closed then, and must be
// opened again.
Failure callFailure(int code, const ReceiverPlace& place, const std::string& subject);

} // namespace kavrin
