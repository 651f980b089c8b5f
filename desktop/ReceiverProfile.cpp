#include "desktop/ReceiverProfile.h"

#include "core/system/Profile.h"
#include "core/text/TextCodec.h"

namespace kavrin::orvale {

namespace {

constexpr const char* kSection = "Receiver";
constexpr const char* kModel = "Model";
constexpr const char* kAddress = "Address";

} // namespace

ReceiverSettings readReceiverSettings(const Profile& profile)
{
    ReceiverSettings settings;
    settings.model = profile.readInt(kSection, kModel, settings.model);
    settings.address =
        utf16ToUtf8(profile.readString(kSection, kAddress, utf8ToUtf16(settings.address)));
    return settings;
}

void writeReceiverSettings(Profile& profile, const ReceiverSettings& settings)
{
    profile.writeInt(kSection, kModel, settings.model);
    profile.writeString(kSection, kAddress, utf8ToUtf16(settings.address));
}

} // namespace kavrin::orvale
