#pragma once

#include "ui/jobs/Notice.h"

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <functional>
#include <mutex>

namespace kavrin {

// Carries notices from a worker thread into the thread of `receiver`. send() waits until the
// receiver has handled the notice — a progress notice that lets the window read a shared figure —
// and post() does not wait. Notices arrive in the order they were sent or posted. Once shutDown()
// was called (the receiver is going away) send() no longer waits and nothing more is delivered,
// so a thread that joins the worker cannot deadlock against a notice the worker is waiting on.
// Keep it a member of the receiver (or longer-lived): a notice still queued when it is destroyed
// would reach a dead object.
class NoticeChannel {
public:
    using Handler = std::function<void(const Notice& notice)>;

    NoticeChannel(QObject* receiver, Handler handler);
    ~NoticeChannel();
    NoticeChannel(const NoticeChannel&) = delete;
    NoticeChannel& operator=(const NoticeChannel&) = delete;

    // From the worker: deliver `notice` and wait until the handler has run.
    void send(Notice notice);

    // From the worker: deliver `notice` without waiting.
    void post(Notice notice);

    // From the receiver's thread: release a waiting sender and deliver nothing more.
    void shutDown();

private:
    // With m_mutex held: sends `notice` on its way to the receiver's thread. Returns its ticket,
    // or 0 when nothing receives it.
    unsigned long queue(Notice notice);
    void deliver(const Notice& notice, unsigned long ticket);

    QPointer<QObject> m_receiver;
    Handler m_handler;
    std::mutex m_mutex;
    std::condition_variable m_handled;
    unsigned long m_lastSent = 0;
    unsigned long m_lastHandled = 0;
    bool m_down = false;
};

} // namespace kavrin
