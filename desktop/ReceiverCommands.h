#pragma once

#include "desktop/ReceiverFollower.h"
#include "desktop/ReceiverWorker.h"
#include "receiver/ReceiverSettings.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace kavrin {
class ORVImpl;
class Profile;
} // namespace kavrin

namespace kavrin::orvale {

class COrvaleView;

// The Receiver menu's commands, added to the view's command table:
// - Tune receiver: the selected station's first receive frequency, in the mode for its
//   modulation (modeForModulation). Enabled while a selected station has a receive frequency.
//   When it has more than one, the command's action carries a sub-menu with each of them.
// - Follow receiver: checked while the follower runs (ReceiverFollower.h).
// - Receiver settings...: CReceiverSettingsDlg, kept in the profile (ReceiverProfile.h) on OK.
// Like every command of the list they are disabled while the station file loads.
//
// Every receiver call goes through one ReceiverWorker: the window never waits for the receiver.
// "Tuning the receiver to 9.910 MHz..." and then "Tuned to 9.910 MHz, USB" go to the status line;
// a tune that failed is a message box with the reason.
class ReceiverCommands : public QObject {
    Q_OBJECT
public:
    // Adds the commands to `view`; the settings come from `profile`. Both must outlive this.
    ReceiverCommands(const ORVImpl& base, Profile& profile, COrvaleView& view);
    ~ReceiverCommands() override;

    // Gives the sub-menu of receive frequencies to `tune`, the action of Tune receiver, and keeps
    // it in step with the selection.
    void attach(QAction& tune);

    bool isFollowing() const { return m_follower.isOn(); }

signals:
    void statusTextChanged(const QString& text);

private:
    // The selected station's index, or -1 when none is selected or the station file loads.
    int selectedStation() const;
    // The usable receive frequencies of station `station` in slot order; empty for -1.
    std::vector<double> frequenciesOf(int station) const;
    void tune(int station, double mhz);
    void toggleFollowing();
    void editSettings();
    void updateFrequencyMenu();

    const ORVImpl& m_base;
    Profile& m_profile;
    COrvaleView& m_view;
    ReceiverSettings m_settings;
    ReceiverWorker m_worker; // before the follower, which reads through it
    ReceiverFollower m_follower;
    QPointer<QAction> m_tune;
    std::unique_ptr<QMenu> m_frequencyMenu;
    int m_menuStation = -1;                // the station the sub-menu was made for
    std::vector<double> m_menuFrequencies; // and what it lists
};

} // namespace kavrin::orvale
