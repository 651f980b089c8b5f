#include "ui/jobs/BackgroundJob.h"

namespace kavrin {

BackgroundJob::BackgroundJob(QObject* receiver, NoticeChannel::Handler handler)
    : m_notices(receiver, std::move(handler))
{
}

BackgroundJob::~BackgroundJob()
{
    m_notices.shutDown();
    finish();
}

bool BackgroundJob::start(Work work, int doneCommand)
{
    if (running())
        return false;
    m_thread = std::thread([this, work = std::move(work), doneCommand] {
        Notice done;
        done.command = doneCommand;
        done.result = work(m_notices);
        m_notices.post(std::move(done));
    });
    return true;
}

void BackgroundJob::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace kavrin
