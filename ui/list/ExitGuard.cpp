#include "ui/list/ExitGuard.h"

#include "ui/list/StationListOwner.h"
#include "ui/platform/Prompts.h"

#include <utility>

namespace kavrin {

ExitGuard::ExitGuard(StationListOwner& owner, ExitGuardSetup setup)
    : m_owner(owner), m_setup(std::move(setup))
{
    connect(&m_owner, &StationListOwner::progressed, this, &ExitGuard::showProgress);
    connect(&m_owner, &StationListOwner::saveFinished, this, &ExitGuard::onSaveFinished);
    connect(&m_owner, &StationListOwner::workerEnded, this, &ExitGuard::onWorkerEnded);
}

bool ExitGuard::mayExit()
{
    // The worker has the station base to itself until it reports its end.
    if (m_owner.isBusy()) {
        m_waiting = m_setup.style.waitsForWorker;
        return false;
    }
    if (!m_owner.isModified())
        return true;
    const auto answer = prompts().message(
        &m_setup.window, tr("Stations list was modified, save it?"), tr("Warning"),
        m_setup.style.questionIcon, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false; // closed without an answer: the changes stay, and so does the program
    m_statusBeforeSave = m_setup.statusText();
    if (m_setup.style.save == ExitStyle::Save::OnWorker) {
        m_saving = m_owner.startSaving().ok();
        return false;
    }
    m_setup.showStatus(m_setup.style.savingText);
    if (m_owner.save())
        return true;
    m_setup.showStatus(m_statusBeforeSave);
    return false;
}

void ExitGuard::showProgress(int percent)
{
    if (m_saving)
        m_setup.showStatus(m_setup.style.savingText.arg(percent));
}

void ExitGuard::onSaveFinished(const Result<>& result)
{
    if (!m_saving)
        return;
    m_saving = false;
    if (result) {
        emit retryExit();
        return;
    }
    // The list stays modified and on screen: the user may free the disk or the file and exit
    // again.
    m_setup.showStatus(m_statusBeforeSave);
}

void ExitGuard::onWorkerEnded()
{
    if (std::exchange(m_waiting, false))
        emit retryExit();
}

} // namespace kavrin
