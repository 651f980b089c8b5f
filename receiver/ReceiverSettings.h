#pragma once

#include <chrono>
#include <string>

namespace kavrin {

// hamlib's model 2, "NET rigctl": its network protocol, served by its rigctld and by SDR programs.
inline constexpr int kNetworkRigModel = 2;

// Where rigctld listens unless told otherwise.
inline constexpr const char* kDefaultReceiverAddress = "localhost:4532";

// The longest a receiver call waits for the receiver before it reports that it did not answer.
inline constexpr std::chrono::seconds kReceiverAnswerLimit{3};

// How to reach a receiver.
struct ReceiverSettings {
    int model = kNetworkRigModel; // hamlib's model number (RigModel::number)
    // HOST:PORT of a network model, the device path of a serial one ("/dev/ttyUSB0"); empty
    // leaves the model's own default.
    std::string address = kDefaultReceiverAddress;
};

} // namespace kavrin
