#include "ui/jobs/NoticeChannel.h"

#include <QMetaObject>

namespace kavrin {

NoticeChannel::NoticeChannel(QObject* receiver, Handler handler)
    : m_receiver(receiver), m_handler(std::move(handler))
{
}

NoticeChannel::~NoticeChannel()
{
    shutDown();
}

void NoticeChannel::send(Notice notice)
{
    std::unique_lock lock(m_mutex);
    if (const unsigned long ticket = queue(std::move(notice)))
        m_handled.wait(lock, [&] { return m_down || m_lastHandled >= ticket; });
}

void NoticeChannel::post(Notice notice)
{
    std::lock_guard lock(m_mutex);
    queue(std::move(notice));
}

unsigned long NoticeChannel::queue(Notice notice)
{
    if (m_down || !m_receiver)
        return 0;
    const unsigned long ticket = ++m_lastSent;
    QMetaObject::invokeMethod(
        m_receiver, [this, notice = std::move(notice), ticket] { deliver(notice, ticket); },
        Qt::QueuedConnection);
    return ticket;
}

void NoticeChannel::shutDown()
{
    {
        std::lock_guard lock(m_mutex);
        m_down = true;
    }
    m_handled.notify_all();
}

void NoticeChannel::deliver(const Notice& notice, unsigned long ticket)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_down)
            return;
    }
    m_handler(notice);
    {
        std::lock_guard lock(m_mutex);
        m_lastHandled = ticket;
    }
    m_handled.notify_all();
}

} // namespace kavrin
