#include "ui/jobs/StationFileJob.h"

namespace kavrin {

StationFileJob::StationFileJob(QObject* receiver, SentNotice::Handler handler)
    : m_notices(receiver, std::move(handler))
{
}

StationFileJob::~StationFileJob()
{
    m_notices.shutDown();
    if (m_thread.joinable())
        m_thread.join();
}

bool StationFileJob::start(Kind kind, ORVImpl& base, std::filesystem::path path,
                           int progressCommand, int doneCommand)
{
    if (running())
        return false;
    m_succeeded = false;
    m_missingFile = false;
    m_failure.clear();
    m_thread =
        std::thread([this, kind, &base, path = std::move(path), progressCommand, doneCommand] {
            const ProgressNotify notify = [this](int command) { m_notices.send(command); };
            std::error_code ignored;
            if (kind == Kind::Load && !std::filesystem::exists(path, ignored)) {
                m_missingFile = true;
                m_succeeded = true;
            } else if (kind == Kind::Load) {
                const Result loaded = base.Load(path, notify, progressCommand);
                m_succeeded = loaded.ok();
                m_failure = loaded.reason();
            } else {
                const Result saved = base.Save(path, notify, progressCommand);
                m_succeeded = saved.ok();
                m_failure = saved.reason();
            }
            m_notices.post(doneCommand);
        });
    return true;
}

bool StationFileJob::finish()
{
    if (!m_thread.joinable())
        return false;
    m_thread.join();
    return true;
}

} // namespace kavrin
