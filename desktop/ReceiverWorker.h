#pragma once

#include "core/system/Result.h"
#include "core/tuning/ReceiverMode.h"
#include "receiver/ReceiverLink.h"
#include "receiver/ReceiverSettings.h"
#include "ui/jobs/BackgroundJob.h"

#include <QObject>

#include <deque>
#include <functional>
#include <optional>

namespace kavrin::orvale {

// What a receiver call gave back.
struct ReceiverAnswer {
    Result<> result = Result<>::success();
    double mhz = 0; // the frequency read; 0 after a tune and after a failure
};

// Orvale's one link to the receiver, used off the UI thread: each call runs on a worker thread,
// one at a time, and its answer comes back on the UI thread. A call opens the link with the
// settings it names when the link is closed (a failure that loses the connection closes it) or
// was opened with other settings; so a call after a lost receiver tries to reach it again.
//
// Turns: the user's calls (a tune, a test) go before the follower's reads, in the order asked;
// of the reads only the newest waits. An answer is due when the call's turn has come and the
// link has answered: within kReceiverAnswerLimit when the link is open, within twice that when
// it must be opened first (ReceiverLink.h). The window never waits for it.
//
// UI thread only. The link itself is only ever touched by the worker, and once at the end by the
// destructor.
class ReceiverWorker : public QObject {
    Q_OBJECT
public:
    using Answered = std::function<void(const ReceiverAnswer& answer)>;
    enum class Turn { User, Follower };

    explicit ReceiverWorker(QObject* parent = nullptr);
    // Drops the calls still waiting, waits for the one under way and closes the link: each at
    // most kReceiverAnswerLimit, nothing when the receiver answers.
    ~ReceiverWorker() override;

    // Sets the mode (when given) and the frequency `mhz`.
    void tune(const ReceiverSettings& settings, double mhz, std::optional<ReceiverMode> mode,
              Answered answered);

    // Reads the frequency the receiver is tuned to.
    void readFrequency(const ReceiverSettings& settings, Turn turn, Answered answered);

private:
    // The frequency the call read; 0 for a call that reads none.
    using Work = std::function<Result<double>(ReceiverLink& link)>;
    struct Call {
        ReceiverSettings settings;
        Work work;
        Answered answered;
    };

    void ask(Call call, Turn turn);
    void startNext();
    ReceiverAnswer call(const ReceiverSettings& settings, const Work& work);
    void onNotice(const Notice& notice);
    void answerCurrent(const ReceiverAnswer& answer);

    std::deque<Call> m_userCalls;
    std::optional<Call> m_followerCall;
    // The call the worker makes: its answer goes to it.
    Call m_current;
    // The worker's own: the link and the settings it was last opened with.
    ReceiverLink m_link;
    std::optional<ReceiverSettings> m_openedWith;
    BackgroundJob<ReceiverAnswer> m_job; // last: it joins the worker before the link goes
};

} // namespace kavrin::orvale
