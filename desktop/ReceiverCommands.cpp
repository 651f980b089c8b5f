#include "desktop/ReceiverCommands.h"

#include "core/base/ORVImpl.h"
#include "core/tuning/ReceiverText.h"
#include "desktop/COrvaleView.h"
#include "desktop/CReceiverSettingsDlg.h"
#include "desktop/CommandIds.h"
#include "desktop/ReceiverProfile.h"
#include "ui/platform/Prompts.h"

#include <QAction>
#include <QMenu>

namespace kavrin::orvale {

namespace {

const QColor kReceiverTint(215, 200, 240);

QString frequencyText(double mhz)
{
    return QString::fromStdU16String(receiverFrequencyText(mhz));
}

} // namespace

ReceiverCommands::ReceiverCommands(const ORVImpl& base, Profile& profile, COrvaleView& view)
    : m_base(base), m_profile(profile), m_view(view), m_settings(readReceiverSettings(profile)),
      m_follower(base, view, m_worker, m_settings)
{
    connect(&m_follower, &ReceiverFollower::statusTextChanged, this,
            &ReceiverCommands::statusTextChanged);

    ViewCommand tune =
        makeCommand(ID_RECEIVER_TUNE, tr("Tune receiver"),
                    tr("Tune the receiver to the selected station"), [this] {
                        const int station = selectedStation();
                        if (const std::vector<double> frequencies = frequenciesOf(station);
                            !frequencies.empty())
                            this->tune(station, frequencies.front());
                    });
    tune.buttonLabel = tr("Tune");
    tune.buttonTint = kReceiverTint;
    tune.enabled = [this] { return !frequenciesOf(selectedStation()).empty(); };
    m_view.addCommand(std::move(tune));

    ViewCommand follow =
        makeCommand(ID_RECEIVER_FOLLOW, tr("Follow receiver"),
                    tr("Show the station the receiver is tuned to, as it is tuned"),
                    [this] { toggleFollowing(); });
    follow.checked = [this] { return isFollowing(); };
    m_view.addCommand(std::move(follow));

    m_view.addCommand(makeCommand(ID_RECEIVER_SETTINGS, tr("Receiver settings..."),
                                  tr("Choose the receiver and how to reach it"),
                                  [this] { editSettings(); }));
}

ReceiverCommands::~ReceiverCommands()
{
    if (m_tune)
        m_tune->setMenu(static_cast<QMenu*>(nullptr));
}

void ReceiverCommands::attach(QAction& tune)
{
    m_tune = &tune;
    m_frequencyMenu = std::make_unique<QMenu>();
    connect(&m_view, &COrvaleView::commandStatesChanged, this,
            &ReceiverCommands::updateFrequencyMenu);
    updateFrequencyMenu();
}

int ReceiverCommands::selectedStation() const
{
    if (m_view.isLoading())
        return -1;
    const int row = m_view.selectedRow();
    return row < 0 ? -1 : m_view.rows().row(row).index;
}

std::vector<double> ReceiverCommands::frequenciesOf(int station) const
{
    std::vector<double> frequencies;
    if (station < 0)
        return frequencies;
    for (double slot : m_base[station].freqRX) {
        if (isUsableFreq(slot))
            frequencies.push_back(slot);
    }
    return frequencies;
}

void ReceiverCommands::tune(int station, double mhz)
{
    const std::optional<ReceiverMode> mode = modeForModulation(m_base[station].modulation, mhz);
    emit statusTextChanged(tr("Tuning the receiver to %1...").arg(frequencyText(mhz)));
    m_worker.tune(m_settings, mhz, mode, [this, mhz, mode](const ReceiverAnswer& answer) {
        if (answer.result) {
            emit statusTextChanged(QString::fromStdU16String(tunedText(mhz, mode)));
            return;
        }
        emit statusTextChanged(tr("Cannot tune the receiver"));
        prompts().message(
            m_view.window(),
            tr("Cannot tune the receiver to %1:\n%2")
                .arg(frequencyText(mhz), QString::fromStdString(answer.result.reason())),
            tr("Warning"), QMessageBox::Warning, QMessageBox::Ok);
    });
}

void ReceiverCommands::toggleFollowing()
{
    if (isFollowing()) {
        m_follower.stop();
        emit statusTextChanged(m_view.statusText());
    } else {
        m_follower.start();
    }
}

void ReceiverCommands::editSettings()
{
    CReceiverSettingsDlg dialog(m_settings, m_worker, m_view.window());
    if (prompts().run(dialog) != QDialog::Accepted)
        return;
    m_settings = dialog.settings();
    writeReceiverSettings(m_profile, m_settings);
}

void ReceiverCommands::updateFrequencyMenu()
{
    const int station = selectedStation();
    std::vector<double> frequencies = frequenciesOf(station);
    if (station == m_menuStation && frequencies == m_menuFrequencies)
        return;
    m_menuStation = station;
    m_menuFrequencies = std::move(frequencies);
    m_frequencyMenu->clear();
    for (double mhz : m_menuFrequencies) {
        QAction* item = m_frequencyMenu->addAction(frequencyText(mhz));
        item->setStatusTip(tr("Tune the receiver to %1").arg(frequencyText(mhz)));
        connect(item, &QAction::triggered, this, [this, station, mhz] {
            if (m_view.isEnabled(ID_RECEIVER_TUNE) && selectedStation() == station)
                tune(station, mhz);
        });
    }
    if (m_tune)
        m_tune->setMenu(m_menuFrequencies.size() > 1 ? m_frequencyMenu.get() : nullptr);
}

} // namespace kavrin::orvale
