#include "receiver/Hamlib.h"

#include <string>

namespace kavrin {

void prepareHamlib()
{
    static std::once_flag once;
    std::call_once(once, [] {
        std::lock_guard lock(hamlibListMutex());
        rig_set_debug(RIG_DEBUG_NONE);
        // All at once, before anything loads one backend on its own: loading them all after
        // that registers that backend's models a second time and loses the first entries.
        rig_load_all_backends();
    });
}

std::mutex& hamlibListMutex()
{
    static std::mutex mutex;
    return mutex;
}

Result<RIG*> newRig(int model)
{
    prepareHamlib();
    std::lock_guard lock(hamlibListMutex());
    if (RIG* rig = rig_init(static_cast<rig_model_t>(model)))
        return rig;
    return Failure{"hamlib cannot set up model " + std::to_string(model)};
}

void releaseRig(RIG* rig)
{
    if (!rig)
        return;
    if (rig->state.comm_state)
        rig_close(rig);
    std::lock_guard lock(hamlibListMutex());
    rig_cleanup(rig);
}

rmode_t hamlibMode(ReceiverMode mode)
{
    switch (mode) {
    case ReceiverMode::AM:
        return RIG_MODE_AM;
    case ReceiverMode::FM:
        return RIG_MODE_FM;
    case ReceiverMode::WFM:
        return RIG_MODE_WFM;
    case ReceiverMode::USB:
        return RIG_MODE_USB;
    case ReceiverMode::LSB:
        return RIG_MODE_LSB;
    case ReceiverMode::CW:
        return RIG_MODE_CW;
    }
    return RIG_MODE_NONE;
}

} // namespace kavrin
