#pragma once

#include "core/ORVImpl.h"
#include "ui/jobs/SentNotice.h"

#include <filesystem>
#include <string>
#include <thread>

class QObject;

namespace kavrin {

// Loads or saves the station base on a worker thread. While the job runs the worker has the base
// to itself; progress notices are sent (the worker waits until the receiver handled them, so the
// receiver may read g_loadProgress), and the done notice is posted once the operation returned.
// The receiver calls finish() when the done notice arrives, and only then touches the base again.
class StationFileJob {
public:
    enum class Kind { Load, Save };

    StationFileJob(QObject* receiver, SentNotice::Handler handler);
    ~StationFileJob(); // releases a waiting worker and joins it

    // Starts a job unless one is running (then returns false). A load of a file that does not
    // exist leaves the base as it is and counts as success with missingFile() set.
    bool start(Kind kind, ORVImpl& base, std::filesystem::path path, int progressCommand,
               int doneCommand);

    bool running() const { return m_thread.joinable(); }

    // Joins the finished worker. Call on the done notice. False when there was no job to finish.
    bool finish();

    // The outcome of the last job, valid after finish().
    bool succeeded() const { return m_succeeded; }
    bool missingFile() const { return m_missingFile; }
    const std::string& failure() const { return m_failure; }

private:
    SentNotice m_notices;
    std::thread m_thread;
    bool m_succeeded = false;
    bool m_missingFile = false;
    std::string m_failure;
};

} // namespace kavrin
