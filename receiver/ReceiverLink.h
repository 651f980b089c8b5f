#pragma once

#include "core/system/Result.h"
#include "core/tuning/ReceiverMode.h"
#include "receiver/ReceiverSettings.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace kavrin {

class RigThread;
struct ReceiverPlace;

// The link to one receiver through hamlib: open it, tune it, read where it is.
//
// Blocking: every call except isOpen() blocks its caller, so a program calls them off its UI
// thread. None blocks longer than kReceiverAnswerLimit (3 seconds), the wait for another call of
// the same link included: a receiver that does not answer by then is reported as such ("... did
// not answer within 3 seconds") and the link is closed; the hamlib call still under way finishes
// on a thread of its own, which frees the rig, and never touches the link or its caller again.
// A call that is answered costs one exchange with the receiver per value set or read: a frequency
// read through rigctld on the same computer takes about 0.3 ms, a setting as long as the radio
// takes to act on it (20 ms with hamlib's dummy radio); open() a few exchanges more.
//
// Threads: any thread may call; calls of one link are serialised. Several links may be used at
// once on different threads.
//
// Failures are values: each Result carries a reason the user can read ("nothing is listening at
// localhost:4532: is rigctld or the receiver program running?"). A failure that leaves the
// connection unusable (no answer, a lost connection, an answer out of step) closes the link, so
// isOpen() tells whether to open it again.
class ReceiverLink {
public:
    ReceiverLink();
    // close().
    ~ReceiverLink();
    ReceiverLink(const ReceiverLink&) = delete;
    ReceiverLink& operator=(const ReceiverLink&) = delete;

    // Opens the receiver of `settings` (closing the one open before). Fails when hamlib has no
    // such model, the address or device cannot be reached, or the receiver does not answer.
    // Sets the process's LC_NUMERIC to "C" (hamlib needs it so).
    Result<> open(const ReceiverSettings& settings);

    // Lets the receiver go. Blocks until its connection is closed, at most kReceiverAnswerLimit.
    void close();

    // Whether open() succeeded and no failure has closed the link since. Never blocks.
    bool isOpen() const;

    // Tunes to `mhz` (rounded to whole hertz) on the current VFO.
    Result<> setFrequency(double mhz);

    // The frequency the receiver is tuned to, in MHz. Asks the receiver every time: nothing is
    // cached.
    Result<double> readFrequency();

    // Sets `mode` with hamlib's normal passband for that mode on this receiver.
    Result<> setMode(ReceiverMode mode);

    // setMode (when a mode is given; otherwise the mode stays as it is), then setFrequency, within
    // one kReceiverAnswerLimit; stops at the first failure. The mode goes first as some radios
    // shift the frequency when the mode changes.
    Result<> tune(double mhz, std::optional<ReceiverMode> mode);

private:
    using Clock = std::chrono::steady_clock;
    // Runs `job` on the rig's thread within one kReceiverAnswerLimit (see the .cpp).
    template <typename Job> Result<> call(Job job);
    template <typename Job> Result<> runLocked(Job job, Clock::time_point deadline);
    void closeLocked(Clock::time_point deadline);

    std::timed_mutex m_mutex;                     // held for the whole of a call
    std::unique_ptr<RigThread> m_thread;          // null while closed
    std::shared_ptr<const ReceiverPlace> m_place; // of the receiver last opened
    std::atomic<bool> m_open{false};
};

} // namespace kavrin
