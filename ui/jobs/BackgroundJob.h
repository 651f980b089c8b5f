#pragma once

#include "core/system/Result.h"
#include "ui/jobs/NoticeChannel.h"

#include <functional>
#include <thread>

class QObject;

namespace kavrin {

// Runs one piece of work at a time on a worker thread for the window `receiver`: loading or
// saving the station file, or a transfer. The work reports through the channel it is given
// (progress notices it sends, status notices it posts) and returns its outcome, which the job
// posts as the notice `doneCommand` once the work has returned. The receiver calls finish() when
// that notice arrives, and only then touches again what the work used.
class BackgroundJob {
public:
    using Work = std::function<Result<>(NoticeChannel& notices)>;

    BackgroundJob(QObject* receiver, NoticeChannel::Handler handler);
    ~BackgroundJob(); // releases a waiting worker and joins it
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work`. Fails, with nothing started, while a job is running or when the system
    // cannot start a thread (its reason: "Resource temporarily unavailable").
    Result<> start(Work work, int doneCommand);

    bool running() const { return m_thread.joinable(); }

    // Joins the worker whose done notice arrived; nothing when no job ran.
    void finish();

private:
    NoticeChannel m_notices;
    std::thread m_thread;
};

} // namespace kavrin
