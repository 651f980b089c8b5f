#include "desktop/CMainFrame.h"

#include "desktop/CAboutDlg.h"
#include "desktop/COrvaleView.h"
#include "desktop/CommandIds.h"
#include "desktop/FolderDeviceLink.h"
#include "desktop/ReceiverCommands.h"
#include "desktop/ToolbarIcons.h"
#include "desktop/WindowPlacement.h"
#include "ui/commands/ViewCommand.h"
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

constexpr int kSeparator = 0;
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
    buildMenus();
    buildToolBar();
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
    // A close asked for while the worker had the base is carried out once it has ended.
    connect(m_view, &COrvaleView::workerEnded, this, [this] {
        if (m_closeAfterLoad)
            close();
    });
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
    created->setToolTip(command->prompt.isEmpty() ? command->menuText : command->prompt);
    created->setCheckable(bool(command->checked));
    if (!command->buttonLabel.isEmpty())
        created->setIcon(toolbarIcon(command->buttonLabel, command->buttonTint));
    created->setIconVisibleInMenu(false);
    connect(created, &QAction::triggered, this, [this, id] { m_view->runCommand(id); });
    m_actions[id] = created;
    return created;
}

void CMainFrame::addCommands(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == kSeparator) {
            menu->addSeparator();
        } else if (QAction* command = commandAction(id)) {
            menu->addAction(command);
        }
    }
}

void CMainFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addCommands(file, {ID_STATION_NEW, ID_STATION_EDIT, ID_STATION_DELETE, kSeparator});
    if (commandAction(ID_IMPORT_SCHEDULE))
        addCommands(file->addMenu(tr("Import")),
                    {ID_IMPORT_SCHEDULE, ID_IMPORT_BROADCAST_SCHEDULE});
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setStatusTip(tr("Quit the application; prompts to save the stations list"));
    m_actions[ID_APP_EXIT] = exit;

    QMenu* view = menuBar()->addMenu(tr("&View"));
    m_viewMenu = view;
    addCommands(
        view, {kSeparator, ID_SORT_FREQUENCY, ID_SORT_NAME, ID_SORT_MODULATION, ID_SORT_LOCATION});

    addCommands(menuBar()->addMenu(tr("&Frequency")),
                {ID_FREQ_ALL, kSeparator, ID_FREQ_LF, ID_FREQ_MW, ID_FREQ_SW, ID_FREQ_VHF,
                 ID_FREQ_FM, ID_FREQ_UHF, kSeparator, ID_FREQ_USER});
    addCommands(menuBar()->addMenu(tr("&Modulation")),
                {ID_MOD_ALL, kSeparator, ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB,
                 ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL});
    addCommands(menuBar()->addMenu(tr("&Search")), {ID_SEARCH_START, ID_SEARCH_RESET});
    addCommands(menuBar()->addMenu(tr("&Time")),
                {ID_TIME_ALL, ID_TIME_ACTIVE, kSeparator, ID_TIME_LOCAL, ID_TIME_GMT, kSeparator,
                 ID_TIME_REFRESH});
    if (m_view->command(ID_PPC_SAVE) != nullptr)
        addCommands(menuBar()->addMenu(tr("&Pocket PC")), {ID_PPC_SAVE, ID_PPC_LOAD});
    addCommands(menuBar()->addMenu(tr("&Receiver")),
                {ID_RECEIVER_TUNE, ID_RECEIVER_FOLLOW, kSeparator, ID_RECEIVER_SETTINGS});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About"), this, &CMainFrame::showAbout);
    about->setStatusTip(tr("Display program information, version number and copyright"));
    about->setToolTip(tr("About"));
    about->setIcon(toolbarIcon(QStringLiteral("?"), QColor(230, 230, 230)));
    about->setIconVisibleInMenu(false);
    m_actions[ID_APP_ABOUT] = about;
}

void CMainFrame::buildToolBar()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    const std::initializer_list<int> buttons = {ID_STATION_NEW,
                                                ID_STATION_EDIT,
                                                kSeparator,
                                                ID_FREQ_ALL,
                                                ID_FREQ_LF,
                                                ID_FREQ_MW,
                                                ID_FREQ_SW,
                                                ID_FREQ_VHF,
                                                ID_FREQ_FM,
                                                ID_FREQ_UHF,
                                                ID_FREQ_USER,
                                                kSeparator,
                                                ID_MOD_ALL,
                                                ID_MOD_AM,
                                                ID_MOD_FM,
                                                ID_MOD_NFM,
                                                ID_MOD_USB,
                                                ID_MOD_LSB,
                                                ID_MOD_CW,
                                                ID_MOD_DRM,
                                                ID_MOD_DIGITAL,
                                                kSeparator,
                                                ID_TIME_TOGGLE_ACTIVE,
                                                kSeparator,
                                                ID_APP_ABOUT,
                                                kSeparator,
                                                ID_RECEIVER_TUNE};
    for (int id : buttons) {
        if (id == kSeparator)
            m_toolBar->addSeparator();
        else if (QAction* button = id == ID_APP_ABOUT ? action(id) : commandAction(id))
            m_toolBar->addAction(button);
    }

    QAction* toolBarToggle = m_toolBar->toggleViewAction();
    toolBarToggle->setText(tr("&Toolbar"));
    toolBarToggle->setStatusTip(tr("Show or hide the toolbar"));
    m_actions[ID_VIEW_TOOLBAR] = toolBarToggle;
    auto* statusBarToggle = new QAction(tr("&Status Bar"), this);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    statusBarToggle->setStatusTip(tr("Show or hide the status bar"));
    connect(statusBarToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_actions[ID_VIEW_STATUS_BAR] = statusBarToggle;
    QAction* first = m_viewMenu->actions().value(0);
    m_viewMenu->insertActions(first, {toolBarToggle, statusBarToggle});
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
    // The loading thread owns the base until it reports its end; close once it has.
    if (m_view->isLoading()) {
        m_closeAfterLoad = true;
        event->ignore();
        return;
    }
    if (m_view->isModified()) {
        const auto answer =
            prompts().message(this, tr("Stations list was modified, save it?"), tr("Warning"),
                              QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) {
            event->ignore(); // closed without an answer: the changes stay, and so does Orvale
            return;
        }
        if (answer == QMessageBox::Yes) {
            setStatusBarText(tr("Wait, saving..."));
            if (!m_view->saveStations()) {
                setStatusBarText(m_view->statusText());
                event->ignore();
                return;
            }
        }
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
