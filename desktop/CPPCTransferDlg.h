#pragma once

#include "core/file/FileFingerprint.h"
#include "desktop/TransferWorker.h"
#include "ui/jobs/BackgroundJob.h"

#include <QDialog>

#include <filesystem>
#include <optional>

class QLabel;
class QPushButton;
class QSettings;

namespace kavrin::orvale {

class DeviceLink;

// The transfer of the station file to or from the handheld. "Start transfer" runs one copy on a
// worker thread; its steps appear in the status line. While it runs Start is disabled, OK is
// ignored and Cancel (Esc, the close box) only beeps, so the dialog outlives its worker.
// A transfer can be repeated; received() stays true once a load replaced the station file.
//
// Each transfer that succeeds is recorded in the profile (TransferRecord.h). When the file a
// transfer is about to replace was changed since the recorded one, the worker stops before
// replacing it; once it has ended the dialog says which side changed and when, and asks. Yes
// starts the transfer again, allowed to replace the file as it was shown (a further change stops
// it again); No leaves both files as they are.
class CPPCTransferDlg : public QDialog {
    Q_OBJECT
public:
    enum Direction { Load = 0, Save = 1 };

    // `stationFile` is the desktop station file. `profile` is Orvale's profile: its
    // "PocketPC"/"BasePath" names the device folder when the device has no "ExePath"; it is
    // read on this thread when a transfer starts, and the transfer record is read and written
    // there. `link` must outlive the dialog.
    CPPCTransferDlg(Direction direction, std::filesystem::path stationFile, QSettings& profile,
                    DeviceLink& link, QWidget* parent = nullptr);
    ~CPPCTransferDlg() override; // waits for a running worker

    bool received() const { return m_received; }
    bool isBusy() const { return m_worker.running(); }
    QString statusText() const;

    // What "Start transfer" does: starts a worker unless one runs.
    void startTransfer();

    void done(int result) override;

signals:
    // Each status text as the status line shows it, in order.
    void statusShown(const QString& text);
    // The worker has ended and Start is enabled again (after the question about a changed file,
    // unless the answer started the transfer again).
    void transferEnded();

private:
    enum NoticeId { Info = 1003, Ready = 1004 };

    // What a transfer found: how it went, the file it stopped before replacing (changedFile()),
    // and after a success the bytes that went over.
    struct TransferOutcome {
        Result<> result = Result<>::success();
        std::optional<ChangedFile> changedFile;
        FileFingerprint transferred;
    };

    void onNotice(const Notice& notice);
    void transferDone(const TransferOutcome& transfer);
    void showStatus(const QString& status);
    bool replaceChangedFile(const ChangedFile& changed);

    Direction m_direction;
    std::filesystem::path m_stationFile;
    QSettings& m_profile;
    DeviceLink& m_link;
    bool m_received = false;
    // The file the user agreed to replace, for the transfer started by that answer.
    std::optional<FileFingerprint> m_agreedToReplace;
    QPushButton* m_start;
    QLabel* m_status;
    BackgroundJob<TransferOutcome> m_worker;
};

} // namespace kavrin::orvale
