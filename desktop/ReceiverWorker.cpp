#include "desktop/ReceiverWorker.h"

namespace kavrin::orvale {

namespace {

constexpr int kCallDone = 1;

bool sameReceiver(const ReceiverSettings& a, const ReceiverSettings& b)
{
    return a.model == b.model && a.address == b.address;
}

} // namespace

ReceiverWorker::ReceiverWorker(QObject* parent)
    : QObject(parent), m_job(this, [this](const Notice& notice) { onNotice(notice); })
{
}

ReceiverWorker::~ReceiverWorker() = default;

void ReceiverWorker::tune(const ReceiverSettings& settings, double mhz,
                          std::optional<ReceiverMode> mode, Answered answered)
{
    ask({settings,
         [mhz, mode](ReceiverLink& link) -> Result<double> {
             if (const Result<> tuned = link.tune(mhz, mode); !tuned)
                 return tuned.error();
             return 0.0;
         },
         std::move(answered)},
        Turn::User);
}

void ReceiverWorker::readFrequency(const ReceiverSettings& settings, Turn turn, Answered answered)
{
    ask({settings, [](ReceiverLink& link) { return link.readFrequency(); }, std::move(answered)},
        turn);
}

void ReceiverWorker::ask(Call call, Turn turn)
{
    if (turn == Turn::User)
        m_userCalls.push_back(std::move(call));
    else
        m_followerCall = std::move(call);
    startNext();
}

void ReceiverWorker::startNext()
{
    if (m_job.running())
        return;
    if (!m_userCalls.empty()) {
        m_current = std::move(m_userCalls.front());
        m_userCalls.pop_front();
    } else if (m_followerCall) {
        m_current = std::move(*m_followerCall);
        m_followerCall.reset();
    } else {
        return;
    }
    if (const Result<> started =
            m_job.start([this](NoticeChannel&) { return runCurrent(); }, kCallDone);
        !started) {
        // Answered as a call that failed at once.
        m_answer = {};
        Notice ended;
        ended.command = kCallDone;
        ended.result = started;
        onNotice(ended);
    }
}

// On the worker thread.
Result<> ReceiverWorker::runCurrent()
{
    m_answer = {};
    if (!m_link.isOpen() || !m_openedWith || !sameReceiver(*m_openedWith, m_current.settings)) {
        m_openedWith.reset();
        if (Result<> opened = m_link.open(m_current.settings); !opened)
            return opened;
        m_openedWith = m_current.settings;
    }
    const Result<double> done = m_current.work(m_link);
    if (!done)
        return done.error();
    m_answer.mhz = *done;
    return Result<>::success();
}

void ReceiverWorker::onNotice(const Notice& notice)
{
    m_job.finish();
    const Call done = std::exchange(m_current, {});
    const ReceiverAnswer answer{notice.result, m_answer.mhz};
    // The next call starts before this answer is handled: the handler may ask the user.
    startNext();
    done.answered(answer);
}

} // namespace kavrin::orvale
