#pragma once

#include "core/system/Result.h"
#include "ui/jobs/NoticeChannel.h"

#include <cassert>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

class QObject;

namespace kavrin {

// Runs one piece of work at a time on a worker thread for the window `receiver`: loading or
// saving the station file, a transfer, a receiver call. The work reports through the channel it
// is given (progress notices it sends, status notices it posts) and returns what it found, an
// `Outcome`; once it has returned, the job posts the notice `doneCommand`. The receiver calls
// finish() when that notice arrives, which hands over the outcome, and only then touches again
// what the work used.
template <typename Outcome = Result<>> class BackgroundJob {
public:
    using Work = std::function<Outcome(NoticeChannel& notices)>;

    BackgroundJob(QObject* receiver, NoticeChannel::Handler handler)
        : m_notices(receiver, std::move(handler))
    {
    }
    // Releases a waiting worker and joins it.
    ~BackgroundJob()
    {
        m_notices.shutDown();
        join();
    }
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work`. Fails, with nothing started, while a job is running or when the system
    // cannot start a thread (its reason: "Resource temporarily unavailable").
    Result<> start(Work work, int doneCommand)
    {
        if (running())
            return Failure{"another job is running"};
        try {
            m_thread = std::thread([this, work = std::move(work), doneCommand] {
                m_outcome.emplace(work(m_notices));
                Notice done;
                done.command = doneCommand;
                m_notices.post(std::move(done));
            });
        } catch (const std::system_error& error) {
            return Failure{std::string("cannot start a worker thread: ") + error.what()};
        }
        return Result<>::success();
    }

    bool running() const { return m_thread.joinable(); }

    // Joins the worker whose done notice arrived and returns what its work found. Only once that
    // notice has arrived.
    Outcome finish()
    {
        join();
        assert(m_outcome);
        Outcome found = std::move(*m_outcome);
        m_outcome.reset();
        return found;
    }

private:
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    NoticeChannel m_notices;
    std::optional<Outcome> m_outcome; // written by the worker, read once it has been joined
    std::thread m_thread;
};

} // namespace kavrin
