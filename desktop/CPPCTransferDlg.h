#pragma once

#include "desktop/TransferWorker.h"
#include "ui/jobs/SentNotice.h"

#include <QDialog>

#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

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

    Direction direction() const { return m_direction; }
    bool received() const { return m_received; }
    bool isBusy() const { return m_worker.joinable(); }
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
    enum Notice { Info = 1003, Ready = 1004 };

    void report(Notice notice, const QString& text);
    void onNotice(int command);

    Direction m_direction;
    std::filesystem::path m_stationFile;
    QSettings& m_profile;
    DeviceLink& m_link;
    bool m_received = false;
    QPushButton* m_start;
    QLabel* m_status;

    // Texts the worker reported, oldest first, one for each notice not yet handled.
    std::mutex m_pendingMutex;
    std::deque<QString> m_pending;
    // Written by the worker before its Ready notice; read after the worker was joined.
    TransferResult m_result;
    SentNotice m_notices;
    std::thread m_worker;
};

} // namespace kavrin::orvale
