#include "desktop/CPPCTransferDlg.h"

#include "desktop/TransferRecord.h"
#include "ui/platform/Prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace kavrin::orvale {

CPPCTransferDlg::CPPCTransferDlg(Direction direction, std::filesystem::path stationFile,
                                 QSettings& profile, DeviceLink& link, QWidget* parent)
    : QDialog(parent), m_direction(direction), m_stationFile(std::move(stationFile)),
      m_profile(profile), m_link(link),
      m_worker(this, [this](const Notice& notice) { onNotice(notice); })
{
    setWindowTitle(direction == Load ? tr("Load stations list from Pocket PC")
                                     : tr("Save stations list on Pocket PC"));

    auto* instruction = new QLabel(tr("Establish ActiveSync connection with PocketPC and press "
                                      "\"Start transfer\" to begin."),
                                   this);
    instruction->setWordWrap(true);

    m_start = new QPushButton(tr("Start transfer"), this);
    connect(m_start, &QPushButton::clicked, this, &CPPCTransferDlg::startTransfer);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_start);
    buttonRow->addStretch();

    m_status = new QLabel(tr("Status: ready"), this);
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setWordWrap(true);
    // Room for two lines, so a long error does not make the dialog jump.
    m_status->setMinimumHeight(2 * fontMetrics().lineSpacing() + 2 * m_status->frameWidth() + 4);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addLayout(buttonRow);
    layout->addWidget(m_status);
    setMinimumWidth(
        fontMetrics().horizontalAdvance(tr("Error: Cannot open file 'Stations.xml' on PocketPC")) +
        4 * layout->contentsMargins().left());
}

CPPCTransferDlg::~CPPCTransferDlg() = default;

QString CPPCTransferDlg::statusText() const
{
    return m_status->text();
}

void CPPCTransferDlg::startTransfer()
{
    if (isBusy())
        return;
    m_start->setEnabled(false);
    const QString basePath = m_profile.value(QStringLiteral("PocketPC/BasePath")).toString();
    const TransferRecord record = readTransferRecord(m_profile);
    std::optional<FileFingerprint> expected = std::exchange(m_agreedToReplace, std::nullopt);
    if (!expected)
        expected = m_direction == Load ? record.desktop : record.device;
    const Result<> started = m_worker.start(
        [this, basePath, expected](NoticeChannel& notices) {
            TransferWorker worker(
                m_link, m_stationFile, basePath,
                [&notices](const QString& status) {
                    Notice info;
                    info.command = Info;
                    info.text = status;
                    notices.post(std::move(info));
                },
                expected);
            Result<> result = m_direction == Load ? worker.load() : worker.save();
            return TransferOutcome{std::move(result), worker.changedFile(), worker.transferred()};
        },
        Ready);
    if (!started) // ends as a transfer that failed at once, with the reason in the status line
        transferDone(TransferOutcome{started, std::nullopt, {}});
}

void CPPCTransferDlg::done(int result)
{
    if (isBusy()) {
        if (result == QDialog::Rejected)
            prompts().beep();
        return;
    }
    QDialog::done(result);
}

void CPPCTransferDlg::onNotice(const Notice& notice)
{
    if (notice.command == Info) {
        showStatus(notice.text);
        return;
    }
    transferDone(m_worker.finish());
}

void CPPCTransferDlg::transferDone(const TransferOutcome& transfer)
{
    if (transfer.result && m_direction == Load)
        m_received = true;
    if (transfer.result) {
        writeTransferRecord(m_profile, {transfer.transferred, transfer.transferred});
        showStatus(m_direction == Load ? tr("Transfer finished, list will be updated now")
                                       : tr("Transfer finished"));
    } else {
        showStatus(QString::fromStdString(transfer.result.reason()));
    }
    m_start->setEnabled(true);
    // Asked only now that the worker has ended: it never waits for the user.
    if (transfer.changedFile && replaceChangedFile(*transfer.changedFile)) {
        m_agreedToReplace = transfer.changedFile->now;
        startTransfer();
        return;
    }
    emit transferEnded();
}

bool CPPCTransferDlg::replaceChangedFile(const ChangedFile& changed)
{
    const QString at = QString::fromStdString(changed.changedAt);
    QString what;
    if (m_direction == Load)
        what = at.isEmpty()
                   ? tr("The stations list on this computer was changed after the last transfer.")
                   : tr("The stations list on this computer was changed at %1, after the last "
                        "transfer.")
                         .arg(at);
    else
        what = at.isEmpty()
                   ? tr("The stations list on the Pocket PC was changed after the last transfer.")
                   : tr("The stations list on the Pocket PC was changed at %1, after the last "
                        "transfer.")
                         .arg(at);
    const QString consequence =
        m_direction == Load
            ? tr("Loading replaces it with the list from the Pocket PC, and the changes made on "
                 "this computer are lost (the replaced file is kept in the Backups folder).")
            : tr("Sending replaces it with the list from this computer, and the changes made on "
                 "the Pocket PC are lost.");
    const auto answer = prompts().message(
        this, what + QLatin1Char('\n') + consequence + QStringLiteral("\n\n") + tr("Replace it?"),
        tr("Warning"), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void CPPCTransferDlg::showStatus(const QString& status)
{
    m_status->setText(status);
    emit statusShown(status);
}

} // namespace kavrin::orvale
