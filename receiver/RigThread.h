#pragma once

// Internal to receiver/.

#include "core/system/Result.h"
#include "receiver/Hamlib.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace kavrin {

// A thread of its own for one rig: it owns the RIG and runs the jobs given to it one after
// another, so that whoever asked can stop waiting for a call that does not come back (a hamlib
// call can block far longer than the caller may wait, a network connect for minutes). A job must
// capture nothing that its caller owns: once given up, it may still run long after the caller has
// gone. When the thread ends it closes and frees its rig.
//
// One caller at a time (the receiver link serialises its calls).
class RigThread {
public:
    using Clock = std::chrono::steady_clock;
    // Runs on the thread with its rig (nullptr until a job sets it; the thread frees whatever it
    // holds at the end).
    using Job = std::function<Result<>(RIG*& rig)>;

    // `silence` is the reason a run gives when its job has not ended in time ("the receiver at
    // localhost:4532 did not answer within 3 seconds").
    explicit RigThread(std::string silence);
    // finish() with kReceiverAnswerLimit.
    ~RigThread();
    RigThread(const RigThread&) = delete;
    RigThread& operator=(const RigThread&) = delete;

    // Runs `job` on the thread and returns its result. When the job has not ended by `deadline`,
    // fails with Kind::ConnectionLost and the silence reason; the thread is then given up: it ends
    // on its own once the job returns, and every later run() fails so at once.
    Result<> run(Job job, Clock::time_point deadline);

    // Asks the thread to close its rig and end, and waits for that until `deadline`; past it, the
    // thread is left to end on its own. Blocks at most until `deadline`.
    void finish(Clock::time_point deadline);

private:
    struct Shared;
    static void serve(const std::shared_ptr<Shared>& shared);
    void giveUp(std::unique_lock<std::mutex>& lock);

    std::string m_silence;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

} // namespace kavrin
