#pragma once

#include "core/system/Result.h"
#include "desktop/CKavrinView.h"
#include "ui/commands/CommandTable.h"
#include "ui/list/StationListOwner.h"

#include <filesystem>

class QSettings;

namespace kavrin {
class DialogLayout;
class ORVImpl;
class Profile;
} // namespace kavrin

namespace kavrin::orvale {

class DeviceLink;

// What the view works with besides the station base, all owned by its frame.
struct ViewSupport {
    QSettings& settings;        // the program's profile
    Profile& bands;             // the same profile, for the range dialog's bands
    const DialogLayout& layout; // how the station dialogs are arranged
    DeviceLink& link;           // the desktop–handheld link of the transfers
};

// The desktop station list: the list owner's rows in the desktop's report list, its commands
// under the desktop's ids, texts and toolbar pictures, the schedule imports and the transfers to
// and from the handheld. Loads the station file in the background as soon as it is asked to.
class COrvaleView : public CKavrinView {
    Q_OBJECT
public:
    COrvaleView(ORVImpl& base, std::filesystem::path stationFile, const ViewSupport& support,
                QWidget* parent = nullptr);
    ~COrvaleView() override;

    const QString& statusText() const { return m_statusText; }
    bool isModified() const { return m_owner.isModified(); }
    bool isLoading() const { return m_owner.isBusy(); }
    const StationFilter& filter() const { return m_owner.filter(); }
    StationListOwner& listOwner() { return m_owner; }

    const ViewCommand* command(int id) const { return m_commands.find(id); }

    // The command rules. While the station file loads, every command of the list is disabled:
    // the loading thread has the station base to itself.
    bool isEnabled(int id) const { return m_commands.isEnabled(id, !isLoading()); }

    // Runs command `id` if it exists and is enabled.
    void runCommand(int id);

    // Adds a command that the frame brings (the receiver's) to the table, under the same rules.
    void addCommand(ViewCommand command) { m_commands.add(std::move(command)); }

    // Starts loading the station file on the loading thread; the list is refilled when it ends.
    void startLoading();

    // Saves the base to the station file under the wait cursor, first keeping a backup of a file
    // that could not be read. Tells the user and fails with why when the save failed; the file
    // is then as it was. When someone else changed the file since it was loaded or saved, asks
    // first, and fails when the user chose to reload it (the load has started, isLoading()) or
    // to cancel (the list stays modified).
    Result<> saveStations();

signals:
    void statusTextChanged(const QString& text);
    void commandStatesChanged();
    void loadFinished();

private:
    void buildCommands();
    void importSchedule();
    void uploadToHandheld();
    void downloadFromHandheld();
    void setStatusText(const QString& text);

    ViewSupport m_support;
    QString m_statusText;
    StationListOwner m_owner;
    CommandTable m_commands;
};

} // namespace kavrin::orvale
