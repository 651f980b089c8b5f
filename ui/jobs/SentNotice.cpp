#include "ui/jobs/SentNotice.h"

#include <QMetaObject>

namespace kavrin {

SentNotice::SentNotice(QObject* receiver, Handler handler)
    : m_receiver(receiver), m_handler(std::move(handler))
{
}

SentNotice::~SentNotice()
{
    shutDown();
}

void SentNotice::send(int command)
{
    std::unique_lock lock(m_mutex);
    if (m_down || !m_receiver)
        return;
    const unsigned long ticket = ++m_lastSent;
    QMetaObject::invokeMethod(
        m_receiver, [this, command, ticket] { deliver(command, ticket); }, Qt::QueuedConnection);
    m_handled.wait(lock, [&] { return m_down || m_lastHandled >= ticket; });
}

void SentNotice::post(int command)
{
    std::lock_guard lock(m_mutex);
    if (m_down || !m_receiver)
        return;
    const unsigned long ticket = ++m_lastSent;
    QMetaObject::invokeMethod(
        m_receiver, [this, command, ticket] { deliver(command, ticket); }, Qt::QueuedConnection);
}

void SentNotice::shutDown()
{
    {
        std::lock_guard lock(m_mutex);
        m_down = true;
    }
    m_handled.notify_all();
}

void SentNotice::deliver(int command, unsigned long ticket)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_down)
            return;
    }
    m_handler(command);
    {
        std::lock_guard lock(m_mutex);
        m_lastHandled = ticket;
    }
    m_handled.notify_all();
}

} // namespace kavrin
