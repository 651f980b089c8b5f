#pragma once

#include "ui/jobs/BackgroundJob.h"

#include <QDialog>

#include <filesystem>

class QLabel;
class QPushButton;
class QSettings;

namespace kavrin::orvale {

class DeviceLink;

// The transfer of the station file to or from the handheld. "Start transfer" runs one copy on a
// worker thread; its steps appear in the status line. While it runs Start is disabled, OK is
// ignored and Cancel (Esc, the close box) only beeps, so the dialog outlives its worker.
// A transfer can be repeated; received() stays true once a load replaced the station file.
class CPPCTransferDlg : public QDialog {
    Q_OBJECT
public:
    enum Direction { Load = 0, Save = 1 };

    // `stationFile` is the desktop station file. `profile` is Orvale's profile: its
    // "PocketPC"/"BasePath" names the device folder when the device has no "ExePath"; it is
    // read on this thread when a transfer starts. `link` must outlive the dialog.
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
    // The worker has ended and Start is enabled again.
    void transferEnded();

private:
    enum NoticeId { Info = 1003, Ready = 1004 };

    void onNotice(const Notice& notice);
    void showStatus(const QString& status);

    Direction m_direction;
    std::filesystem::path m_stationFile;
    QSettings& m_profile;
    DeviceLink& m_link;
    bool m_received = false;
    QPushButton* m_start;
    QLabel* m_status;
    BackgroundJob m_worker;
};

} // namespace kavrin::orvale
