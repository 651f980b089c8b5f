#pragma once

#include "receiver/ReceiverSettings.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>

namespace kavrin {
class ORVImpl;
} // namespace kavrin

namespace kavrin::orvale {

class COrvaleView;
class ReceiverWorker;
struct ReceiverAnswer;

// Follows the receiver: reads its frequency once a second through the worker, and when it changed
// writes the status line of the station heard there (receiverStatusText: the best match within
// the default tolerance, on-air stations first) and selects that station's row when the list
// shows it. A receiver that does not answer is reported as lost ("Receiver lost, trying again:
// the reason"), and the reads go on; the first answer after it shows the frequency again.
//
// While the station file loads, the worker has the base to itself: no read is asked for, and an
// answer that arrives then is not looked up. While a modal window is open the list is left as it
// is. Either way the next answer after it shows the frequency.
class ReceiverFollower : public QObject {
    Q_OBJECT
public:
    static constexpr int kReadIntervalMs = 1000;

    // `settings` is read at each tick: a change takes effect with the next read.
    ReceiverFollower(const ORVImpl& base, COrvaleView& view, ReceiverWorker& worker,
                     const ReceiverSettings& settings, QObject* parent = nullptr);

    bool isOn() const { return m_timer.isActive(); }

    // Starts with a read at once.
    void start();
    // Stops; an answer still to come is dropped.
    void stop();

signals:
    void statusTextChanged(const QString& text);

private:
    void read();
    void onAnswer(const ReceiverAnswer& answer);
    void show(double mhz);

    const ORVImpl& m_base;
    COrvaleView& m_view;
    ReceiverWorker& m_worker;
    const ReceiverSettings& m_settings;
    QTimer m_timer;
    // Counts the starts, so an answer asked for before a stop is dropped.
    std::uint64_t m_run = 0;
    std::optional<std::int64_t> m_shownHz; // the frequency the status shows, in whole hertz
    QString m_lostText;                    // the status shown for a lost receiver, while it is lost
};

} // namespace kavrin::orvale
