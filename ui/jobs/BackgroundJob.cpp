#include "ui/jobs/BackgroundJob.h"

#include <string>
#include <system_error>

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

Result<> BackgroundJob::start(Work work, int doneCommand)
{
    if (running())
        return Failure{"another job is running"};
    try {
        m_thread = std::thread([this, work = std::move(work), doneCommand] {
            Notice done;
            done.command = doneCommand;
            done.result = work(m_notices);
            m_notices.post(std::move(done));
        });
    } catch (const std::system_error& error) {
        return Failure{std::string("cannot start a worker thread: ") + error.what()};
    }
    return Result<>::success();
}

void BackgroundJob::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace kavrin
