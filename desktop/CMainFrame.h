#pragma once

#include "desktop/DesktopDialogLayout.h"
#include "desktop/DeviceLink.h"
#include "ui/platform/SettingsProfile.h"

#include <QMainWindow>

#include <filesystem>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolBar;

namespace kavrin {
class ExitGuard;
class ORVImpl;
struct ViewCommand;
} // namespace kavrin

namespace kavrin::orvale {

class COrvaleView;
class ReceiverCommands;

// The desktop main window: menu bar, toolbar and status bar around the station list view; asks
// to save a modified list on close and keeps its placement in the profile.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `profile` holds the window placement ("MainFrame"/"WP") and the bands; `stationFile` is the
    // station file the view loads at once and saves on request. The transfers use `link`, or when
    // it is null the handheld found through the profile (FolderDeviceLink).
    CMainFrame(ORVImpl& base, QSettings& profile, std::filesystem::path stationFile,
               DeviceLink* link = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    COrvaleView& view() const { return *m_view; }

    // The menu or toolbar action of a command id (nullptr for an unknown id).
    QAction* action(int id) const;

    // The text of the status bar's message pane.
    QString statusBarText() const;

    // The toolbar's context menu.
    QMenu* createPopupMenu() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // About, Exit and the switches of the bars, added to the view's command table.
    void addFrameCommands();
    // The menu bar and the toolbar, from the tables beside the command ids (CommandIds.h).
    void buildBars();
    void buildStatusBar();
    QAction* commandAction(int id);
    void updateCommandStates();
    void setStatusBarText(const QString& text);
    void showAbout();
    void applyStoredPlacement();
    void storePlacement();

    ORVImpl& m_base;
    QSettings& m_profile;
    SettingsProfile m_settingsProfile; // the bands and the receiver
    DesktopDialogLayout m_dialogLayout;
    std::unique_ptr<DeviceLink> m_ownLink;
    COrvaleView* m_view;
    // Destroyed before the view, a child widget, which it reads.
    std::unique_ptr<ReceiverCommands> m_receiver;
    std::unique_ptr<ExitGuard> m_exitGuard;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_message = nullptr;
    std::map<int, QAction*> m_actions;
    bool m_firstShow = true;
};

} // namespace kavrin::orvale
