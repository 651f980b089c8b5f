#pragma once

#include "receiver/ReceiverSettings.h"

namespace kavrin {
class Profile;
} // namespace kavrin

namespace kavrin::orvale {

// The receiver as Orvale's profile keeps it: "Receiver"/"Model" (hamlib's model number) and
// "Receiver"/"Address" (HOST:PORT of a network model, the device path of another). A value that
// is missing, or a model that is not a number, reads as the default (ReceiverSettings).
ReceiverSettings readReceiverSettings(const Profile& profile);
void writeReceiverSettings(Profile& profile, const ReceiverSettings& settings);

} // namespace kavrin::orvale
