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
    const Result<> started =
        m_job.start([this, settings = m_current.settings,
                     work = m_current.work](NoticeChannel&) { return call(settings, work); },
                    kCallDone);
    if (!started) // answered as a call that failed at once
        answerCurrent({started, 0});
}

// On the worker thread.
ReceiverAnswer ReceiverWorker::call(const ReceiverSettings& settings, const Work& work)
{
    if (!m_link.isOpen() || !m_openedWith || !sameReceiver(*m_openedWith, settings)) {
        m_openedWith.reset();
        if (Result<> opened = m_link.open(settings); !opened)
            return {opened, 0};
        m_openedWith = settings;
    }
    const Result<double> done = work(m_link);
    if (!done)
        return {done.error(), 0};
    return {Result<>::success(), *done};
}

void ReceiverWorker::onNotice(const Notice&)
{
    answerCurrent(m_job.finish());
}

void ReceiverWorker::answerCurrent(const ReceiverAnswer& answer)
{
    const Call done = std::exchange(m_current, {});
    // The next call starts before this answer is handled: the handler may ask the user.
    startNext();
    done.answered(answer);
}

} // namespace kavrin::orvale
