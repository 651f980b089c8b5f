#pragma once

#include "handheld/HandheldDialogLayout.h"
#include "ui/commands/CommandTable.h"
#include "ui/list/ExitGuard.h"
#include "ui/list/StationListOwner.h"
#include "ui/platform/SettingsProfile.h"

#include <QDialog>
#include <QPixmap>

#include <filesystem>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QSettings;

namespace kavrin {
class ORVImpl;
} // namespace kavrin

namespace kavrin::tavrel {

class CKavrinListCtrl;

// The handheld main dialog: the station list on the 240 × 320 screen under a painted header strip
// whose tap zones open the popup menus, and a one-line status text. Loads the station file on a
// worker as soon as it opens and, when the user exits after changes and agrees, saves it on a
// worker before it ends. It ends only through Exit (the close box and Esc ask Exit too). When the
// file changed on disk since it was loaded, the exit save asks first: reloading keeps the dialog
// open and loads the file again, cancelling keeps it open with its changes.
//
// While a worker runs it has the station base to itself: the menus do not open, the list's
// double tap and tap-and-hold do nothing, and every command is refused.
class CTavrelDlg : public QDialog {
    Q_OBJECT
public:
    // Opens a popup menu at `globalPos` and returns the chosen item, or nullptr. The dialog
    // builds each menu, places it inside its own window (popupPosition) and runs the chosen
    // item's command itself.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    // `stationFile` is loaded at once and saved on Exit; `profile` keeps the user's bands.
    CTavrelDlg(ORVImpl& base, std::filesystem::path stationFile, QSettings& profile,
               QWidget* parent = nullptr);
    ~CTavrelDlg() override;

    // The command table and its rules. A command is enabled when no worker runs and its own rule
    // (a selected row for Edit and Delete) holds.
    const ViewCommand* command(int id) const { return m_commands.find(id); }
    bool isEnabled(int id) const { return m_commands.isEnabled(id, !isBusy()); }
    bool isChecked(int id) const { return m_commands.isChecked(id); }

    // Carries out command `id` as a menu item, a header anchor (IDC_..._MENU opens its menu) or
    // the load command would; an unknown or disabled command does nothing.
    void runCommand(int id);

    // Replaces how popup menus are opened (a real popup by default).
    void setMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

    bool isBusy() const { return m_owner.isBusy(); }
    bool isModified() const { return m_owner.isModified(); }
    QString statusText() const;
    const std::filesystem::path& stationFilePath() const { return m_owner.stationFile(); }
    CKavrinListCtrl& list() const { return *m_list; }

signals:
    void statusTextChanged(const QString& text);

    // The worker reported its end and the dialog has dealt with it: the list is filled after a
    // load; after a save the dialog has ended, or stays open when the save failed.
    void workerFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildCommands();
    void postCommand(int id);
    void showHeaderMenu(int anchor);
    void showStationMenu(const QPoint& globalPos);
    void openMenu(int menuId, const QPoint& globalPos);
    void showProgress(int percent);
    void onLoadFinished(const Result<>& result);
    void showAbout();
    void exitDialog();
    void endDialog();
    void setStatusText(const QString& text);

    SettingsProfile m_bandsProfile;
    HandheldDialogLayout m_layout;
    QPixmap m_headerBitmap;
    QFont m_headerFont;
    CKavrinListCtrl* m_list;
    QLabel* m_status;
    StationListOwner m_owner;
    ExitGuard m_exitGuard;
    CommandTable m_commands;
    MenuRunner m_menuRunner;
    bool m_ending = false; // Exit let the dialog end: its close event may pass
};

} // namespace kavrin::tavrel
