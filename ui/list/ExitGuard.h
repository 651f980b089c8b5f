#pragma once

#include "core/system/Result.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace kavrin {

class StationListOwner;

// Where the programs differ when they end with a changed list, as data.
struct ExitStyle {
    // Where the save the user agreed to runs: OnThisThread blocks the window until the file is
    // written; OnWorker lets it repaint and show the percentage, and the program ends when the
    // worker has saved.
    enum class Save { OnThisThread, OnWorker };
    Save save = Save::OnThisThread;
    QMessageBox::Icon questionIcon =
        QMessageBox::Warning; // of "Stations list was modified, save it?"
    // The status text while the save runs; "%1" in it stands for the percentage the worker reports.
    QString savingText;
    // An exit asked for while the list's worker runs is carried out once the worker has ended;
    // otherwise it is refused.
    bool waitsForWorker = false;
};

// What a program gives its exit guard besides the list owner.
struct ExitGuardSetup {
    QWidget& window; // the parent of the question
    ExitStyle style;
    std::function<QString()> statusText;                 // the status text shown now
    std::function<void(const QString& text)> showStatus; // shows a status text
};

// Saving on exit, the one way both programs end: asks "Stations list was modified, save it?"
// (Yes, No) when the list owner's list is modified, and saves on Yes; No ends without saving; a
// question closed without an answer keeps the program and its changes. The saving text is shown
// while the save runs; a save that fails (the owner has told the user why) or that the user called
// off (a file changed on disk: reload or cancel) keeps the program open with the status text it
// had before.
//
// UI thread only; the owner and the window must outlive the guard.
class ExitGuard : public QObject {
    Q_OBJECT
public:
    ExitGuard(StationListOwner& owner, ExitGuardSetup setup);

    // Whether the program may end now. False keeps it open: the answer, a failed save, the
    // worker, or a save on the worker (which emits retryExit once it has saved).
    bool mayExit();

    // The exit's save runs on the worker.
    bool isSaving() const { return m_saving; }

signals:
    // An exit that had to wait for the worker may go ahead: the program asks mayExit() again.
    void retryExit();

private:
    void showProgress(int percent);
    void onSaveFinished(const Result<>& result);
    void onWorkerEnded();

    StationListOwner& m_owner;
    ExitGuardSetup m_setup;
    bool m_saving = false;
    bool m_waiting = false; // for the worker, to try the exit again once it has ended
    QString m_statusBeforeSave;
};

} // namespace kavrin
