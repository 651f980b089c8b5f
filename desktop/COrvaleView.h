#pragma once

#include "core/StationFilter.h"
#include "desktop/CKavrinView.h"
#include "ui/commands/CommandTable.h"
#include "ui/jobs/StationFileJob.h"

#include <filesystem>
#include <functional>
#include <vector>

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

// The desktop station list and its commands. Owns the list's filter and sort settings and the
// "modified" flag; loads the station file in the background as soon as it exists.
class COrvaleView : public CKavrinView {
    Q_OBJECT
public:
    COrvaleView(ORVImpl& base, std::filesystem::path stationFile, const ViewSupport& support,
                QWidget* parent = nullptr);
    ~COrvaleView() override;

    const QString& statusText() const { return m_statusText; }
    bool isModified() const { return m_modified; }
    bool isLoading() const { return m_loadThread.running(); }
    const StationFilter& filter() const { return m_filter; }
    const std::filesystem::path& stationFilePath() const { return m_stationFile; }

    // The command table.
    const std::vector<ViewCommand>& commands() const { return m_commands.all(); }
    const ViewCommand* command(int id) const { return m_commands.find(id); }

    // The command rules. While the station file loads, every command of the list is disabled:
    // the loading thread has the station base to itself.
    bool isEnabled(int id) const { return m_commands.isEnabled(id, !isLoading()); }
    bool isChecked(int id) const { return m_commands.isChecked(id); }

    // Runs command `id` if it exists and is enabled.
    void runCommand(int id);

    // Starts loading the station file on the loading thread; the list is refilled when it ends.
    void startLoading();

    // Saves the base to the station file under the wait cursor, first keeping a backup of a file
    // that could not be read. Tells the user and returns false when the save failed; the file
    // is then as it was.
    bool saveStations();

signals:
    void statusTextChanged(const QString& text);
    void commandStatesChanged();
    void loadFinished();

private:
    void buildCommands();
    void addCommand(ViewCommand command);
    void onNotice(int command);
    void onLoadDone();
    void refill();
    void changeFilter(const std::function<void(StationFilter&)>& change);
    void sortBy(SortKey key);
    void sortKeepingSelection();
    void newStation();
    void editStation();
    void deleteStation();
    void startSearch();
    void chooseUserRange();
    void importSchedule();
    void uploadToHandheld();
    void downloadFromHandheld();
    int usedStationCount() const;
    void setStatusText(const QString& text);

    ORVImpl& m_base;
    std::filesystem::path m_stationFile;
    ViewSupport m_support;
    QString m_statusText;
    StationFileJob m_loadThread;
    bool m_modified = false;
    StationFilter m_filter;
    CommandTable m_commands;
    // The station file exists but could not be read: keep it before a save replaces it.
    bool m_keepUnreadableFile = false;
};

} // namespace kavrin::orvale
