#include "receiver/RigThread.h"

#include "receiver/ReceiverSettings.h"

#include <condition_variable>
#include <csignal>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <utility>

namespace kavrin {

struct RigThread::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    Job job;                         // given, not yet started
    std::optional<Result<>> outcome; // of the job last run
    bool ending = false;
    bool ended = false;
    RIG* rig = nullptr; // touched by the thread only
};

RigThread::RigThread(std::string silence)
    : m_silence(std::move(silence)), m_shared(std::make_shared<Shared>())
{
    m_thread = std::thread([shared = m_shared] { serve(shared); });
}

RigThread::~RigThread()
{
    finish(Clock::now() + kReceiverAnswerLimit);
}

Result<> RigThread::run(Job job, Clock::time_point deadline)
{
    const Failure silent{m_silence, ResultKind::ConnectionLost};
    std::unique_lock lock(m_shared->mutex);
    if (m_shared->ending)
        return silent;
    m_shared->outcome.reset();
    m_shared->job = std::move(job);
    m_shared->changed.notify_all();
    if (m_shared->changed.wait_until(lock, deadline, [&] { return m_shared->outcome.has_value(); }))
        return std::move(*m_shared->outcome);
    giveUp(lock);
    return silent;
}

void RigThread::finish(Clock::time_point deadline)
{
    if (!m_thread.joinable())
        return; // given up already
    std::unique_lock lock(m_shared->mutex);
    m_shared->ending = true;
    m_shared->changed.notify_all();
    if (m_shared->changed.wait_until(lock, deadline, [&] { return m_shared->ended; })) {
        lock.unlock();
        if (m_thread.joinable())
            m_thread.join();
        return;
    }
    giveUp(lock);
}

void RigThread::giveUp(std::unique_lock<std::mutex>& lock)
{
    m_shared->ending = true;
    m_shared->job = nullptr;
    m_shared->changed.notify_all();
    lock.unlock();
    // The thread holds its own share of the state and frees the rig itself when its call returns.
    if (m_thread.joinable())
        m_thread.detach();
}

namespace {

// A write to a connection the receiver has closed must fail with EPIPE, not stop the process with
// SIGPIPE: the signal is blocked on this thread, where hamlib writes.
void blockBrokenPipeSignal()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

} // namespace

void RigThread::serve(const std::shared_ptr<Shared>& shared)
{
    blockBrokenPipeSignal();
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->job || shared->ending; });
        if (shared->ending)
            break;
        Job job = std::exchange(shared->job, nullptr);
        lock.unlock();
        Result<> result = job(shared->rig);
        lock.lock();
        shared->outcome = std::move(result);
        shared->changed.notify_all();
    }
    RIG* rig = std::exchange(shared->rig, nullptr);
    lock.unlock();
    releaseRig(rig);
    lock.lock();
    shared->ended = true;
    shared->changed.notify_all();
}

} // namespace kavrin
