#pragma once

// What every part of the receiver link needs from hamlib itself. Internal to receiver/.

#include "core/system/Result.h"
#include "core/tuning/ReceiverMode.h"

#include <hamlib/rig.h>

#include <mutex>

namespace kavrin {

// Silences hamlib's debug output and loads all its backends (some milliseconds), once per
// process. Call before any other hamlib call.
void prepareHamlib();

// Held around the hamlib calls that touch its process-wide lists of models and backends (rig_init,
// rig_cleanup, loading and listing the models). Never held across a call that talks to a radio.
std::mutex& hamlibListMutex();

// rig_init under hamlibListMutex; fails when hamlib cannot set the model up.
Result<RIG*> newRig(int model);

// Closes `rig` when it is open, and frees it; nothing for nullptr.
void releaseRig(RIG* rig);

rmode_t hamlibMode(ReceiverMode mode);

} // namespace kavrin
