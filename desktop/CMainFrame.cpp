#include "desktop/CMainFrame.h"

#include "desktop/CAboutDlg.h"
#include "desktop/COrvaleView.h"
#include "desktop/CommandIds.h"
#include "desktop/FolderDeviceLink.h"
#include "desktop/ReceiverCommands.h"
#include "desktop/ToolbarIcons.h"
#include "desktop/WindowPlacement.h"
#include "ui/commands/CommandBars.h"
#include "ui/commands/ViewCommand.h"
#include "ui/list/ExitGuard.h"
#include "ui/platform/Prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace kavrin::orvale {

namespace {

const QString kPlacementKey = QStringLiteral("MainFrame/WP");

} // namespace

CMainFrame::CMainFrame(ORVImpl& base, QSettings& profile, std::filesystem::path stationFile,
                       DeviceLink* link, QWidget* parent)
    : QMainWindow(parent), m_base(base), m_profile(profile), m_settingsProfile(profile)
{
    setWindowTitle(QStringLiteral("Kavrin"));
    buildStatusBar();
    if (link == nullptr) {
        m_ownLink = std::make_unique<FolderDeviceLink>(profile);
        link = m_ownLink.get();
    }
    m_view = new COrvaleView(base, std::move(stationFile),
                             {profile, m_settingsProfile, m_dialogLayout, *link}, this);
    setCentralWidget(m_view);
    m_receiver = std::make_unique<ReceiverCommands>(base, m_settingsProfile, *m_view);
    addFrameCommands();
    buildBars();
    if (QAction* tune = action(ID_RECEIVER_TUNE)) {
        // With a list of frequencies, a click on the button tunes the first, its arrow lists all.
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(tune))) {
            connect(tune, &QAction::changed, button, [tune, button] {
                button->setPopupMode(tune->menu() ? QToolButton::MenuButtonPopup
                                                  : QToolButton::DelayedPopup);
            });
        }
        m_receiver->attach(*tune);
    }

    connect(m_view, &COrvaleView::statusTextChanged, this, &CMainFrame::setStatusBarText);
    connect(m_receiver.get(), &ReceiverCommands::statusTextChanged, this,
            &CMainFrame::setStatusBarText);
    connect(m_view, &COrvaleView::commandStatesChanged, this, &CMainFrame::updateCommandStates);
    // The desktop saves on exit on this thread, and a close asked for while the loading thread
    // has the base is carried out once it has ended.
    ExitStyle exitStyle;
    exitStyle.save = ExitStyle::Save::OnThisThread;
    exitStyle.questionIcon = QMessageBox::Warning;
    exitStyle.savingText = tr("Wait, saving...");
    exitStyle.waitsForWorker = true;
    m_exitGuard = std::make_unique<ExitGuard>(
        m_view->listOwner(),
        ExitGuardSetup{*this, exitStyle, [this] { return m_view->statusText(); },
                       [this](const QString& text) { setStatusBarText(text); }});
    connect(m_exitGuard.get(), &ExitGuard::retryExit, this, &QWidget::close);
    setStatusBarText(m_view->statusText());
    updateCommandStates();
    resize(640, 480);
    m_view->startLoading();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QString CMainFrame::statusBarText() const
{
    return m_message->text();
}

QAction* CMainFrame::commandAction(int id)
{
    if (QAction* existing = action(id))
        return existing;
    const ViewCommand* command = m_view->command(id);
    if (command == nullptr)
        return nullptr;
    auto* created = new QAction(command->menuText, this);
    created->setStatusTip(command->prompt);
    created->setToolTip(!command->toolTip.isEmpty() ? command->toolTip
                        : command->prompt.isEmpty() ? command->menuText
                                                    : command->prompt);
    created->setCheckable(bool(command->checked));
    if (!command->buttonLabel.isEmpty())
        created->setIcon(toolbarIcon(command->buttonLabel, command->buttonTint));
    created->setIconVisibleInMenu(false);
    connect(created, &QAction::triggered, this, [this, id] { m_view->runCommand(id); });
    m_actions[id] = created;
    return created;
}

void CMainFrame::addFrameCommands()
{
    // None of them touches the list: they run while the loading thread has the base too.
    const auto add = [this](ViewCommand command) {
        command.whileBusy = true;
        m_view->addCommand(std::move(command));
    };
    add(makeCommand(ID_APP_EXIT, tr("E&xit"),
                    tr("Quit the application; prompts to save the stations list"),
                    [this] { close(); }));
    ViewCommand toolBarSwitch =
        makeCommand(ID_VIEW_TOOLBAR, tr("&Toolbar"), tr("Show or hide the toolbar"),
                    [this] { m_toolBar->setHidden(!m_toolBar->isHidden()); });
    toolBarSwitch.checked = [this] { return !m_toolBar->isHidden(); };
    add(std::move(toolBarSwitch));
    ViewCommand statusBarSwitch =
        makeCommand(ID_VIEW_STATUS_BAR, tr("&Status Bar"), tr("Show or hide the status bar"),
                    [this] { statusBar()->setHidden(!statusBar()->isHidden()); });
    statusBarSwitch.checked = [this] { return !statusBar()->isHidden(); };
    add(std::move(statusBarSwitch));
    ViewCommand about = makeCommand(ID_APP_ABOUT, tr("&About"),
                                    tr("Display program information, version number and copyright"),
                                    [this] { showAbout(); });
    about.toolTip = tr("About");
    about.buttonLabel = QStringLiteral("?");
    about.buttonTint = QColor(230, 230, 230);
    add(std::move(about));
}

void CMainFrame::buildBars()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    const CommandAction actionOf = [this](int id) { return commandAction(id); };
    addMenus(*menuBar(), kMenuBar, actionOf);
    addCommandEntries(*m_toolBar, kToolBar, actionOf);
}

QMenu* CMainFrame::createPopupMenu()
{
    // The toolbar's context menu offers the View menu's switch of the toolbar.
    auto* menu = new QMenu(this);
    menu->addAction(action(ID_VIEW_TOOLBAR));
    return menu;
}

void CMainFrame::buildStatusBar()
{
    m_message = new QLabel(this);
    m_message->setMinimumWidth(1);
    statusBar()->addWidget(m_message, 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator), this);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        // Qt reports no lock-key states portably: the panes stay greyed.
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::updateCommandStates()
{
    for (const auto& [id, command] : m_actions) {
        const ViewCommand* rules = m_view->command(id);
        if (rules == nullptr)
            continue;
        command->setEnabled(m_view->isEnabled(id));
        if (rules->checked)
            command->setChecked(rules->checked());
    }
}

void CMainFrame::setStatusBarText(const QString& text)
{
    m_message->setText(text);
    m_message->repaint();
}

void CMainFrame::showAbout()
{
    CAboutDlg about(this);
    prompts().run(about);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        applyStoredPlacement();
    }
    QMainWindow::showEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_exitGuard->mayExit()) {
        event->ignore();
        return;
    }
    storePlacement();
    event->accept();
}

void CMainFrame::applyStoredPlacement()
{
    const Result<WindowPlacement> placement =
        WindowPlacement::fromRecord(m_profile.value(kPlacementKey).toByteArray());
    if (!placement)
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    setGeometry(placedOnScreen(placement->normal, screens));
    if (placement->showCommand == WindowPlacement::ShowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::storePlacement()
{
    if (isMinimized())
        return;
    WindowPlacement placement;
    placement.showCommand =
        isMaximized() ? WindowPlacement::ShowMaximized : WindowPlacement::ShowNormal;
    placement.normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_profile.setValue(kPlacementKey, placement.toRecord());
}

} // namespace kavrin::orvale
