#include "desktop/ReceiverFollower.h"

#include "core/system/Clock.h"
#include "core/tuning/ReceiverText.h"
#include "core/tuning/StationsOnFrequency.h"
#include "desktop/COrvaleView.h"
#include "desktop/ReceiverWorker.h"

#include <QApplication>

#include <cmath>

namespace kavrin::orvale {

ReceiverFollower::ReceiverFollower(const ORVImpl& base, COrvaleView& view, ReceiverWorker& worker,
                                   const ReceiverSettings& settings, QObject* parent)
    : QObject(parent), m_base(base), m_view(view), m_worker(worker), m_settings(settings)
{
    m_timer.setInterval(kReadIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ReceiverFollower::read);
}

void ReceiverFollower::start()
{
    if (isOn())
        return;
    ++m_run;
    m_shownHz.reset();
    m_lostText.clear();
    m_timer.start();
    read();
}

void ReceiverFollower::stop()
{
    m_timer.stop();
    ++m_run;
}

void ReceiverFollower::read()
{
    if (m_view.isLoading())
        return;
    m_worker.readFrequency(m_settings, ReceiverWorker::Turn::Follower,
                           [this, run = m_run](const ReceiverAnswer& answer) {
                               if (run == m_run)
                                   onAnswer(answer);
                           });
}

void ReceiverFollower::onAnswer(const ReceiverAnswer& answer)
{
    if (!answer.result) {
        m_shownHz.reset();
        const QString lost = tr("Receiver lost, trying again: %1")
                                 .arg(QString::fromStdString(answer.result.reason()));
        if (lost != m_lostText) {
            m_lostText = lost;
            emit statusTextChanged(lost);
        }
        return;
    }
    m_lostText.clear();
    const std::int64_t hz = std::llround(answer.mhz * 1e6);
    if (hz == m_shownHz || m_view.isLoading() || QApplication::activeModalWidget() != nullptr)
        return;
    m_shownHz = hz;
    show(answer.mhz);
}

void ReceiverFollower::show(double mhz)
{
    const ClockReading now = readClock();
    const std::vector<FrequencyMatch> matches =
        stationsOnFrequency(m_base, mhz, defaultToleranceKhz(mhz), now.utc);
    const FrequencyMatch* best = matches.empty() ? nullptr : &matches.front();
    emit statusTextChanged(QString::fromStdU16String(
        receiverStatusText(mhz, best ? &m_base[best->index] : nullptr, best && best->onAir,
                           m_view.filter().localTimeChecked(), now.localOffsetSeconds)));
    if (!best)
        return;
    if (const int row = m_view.rows().rowOfStation(best->index); row >= 0)
        m_view.selectRow(row);
}

} // namespace kavrin::orvale
