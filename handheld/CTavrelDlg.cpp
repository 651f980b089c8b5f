#include "handheld/CTavrelDlg.h"

#include "core/base/ORVImpl.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelAboutDlg.h"
#include "handheld/DialogUnits.h"
#include "handheld/HeaderMenus.h"
#include "handheld/HeaderStrip.h"
#include "handheld/TavrelCommandIds.h"
#include "ui/commands/ListCommands.h"
#include "ui/dialogs/ControlId.h"
#include "ui/platform/DeviceScreen.h"
#include "ui/platform/Prompts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace kavrin::tavrel {

namespace {

enum ControlIds { IDC_STATION_LIST = 1002, IDC_STATUS = 1031 };

// The main dialog's template is the screen: 139 × 185 dialog units on 240 × 320 pixels.
const DialogUnits kMainUnits(240.0 / 139.0, 320.0 / 185.0);

// The band above the header strip, where the handheld's shell shows the active window's caption.
constexpr QRect kCaptionBand(0, 0, 240, 26);

// The list commands under the handheld's ids.
struct HandheldListCommand {
    int id;
    ListAction action;
};

constexpr HandheldListCommand kListCommands[] = {
    {ID_STATION_NEW, ListAction::StationNew},
    {ID_STATION_EDIT, ListAction::StationEdit},
    {ID_STATION_DELETE, ListAction::StationDelete},
    {ID_SEARCH_START, ListAction::SearchStart},
    {ID_SEARCH_RESET, ListAction::SearchReset},
    {ID_TIME_ALL, ListAction::TimeAll},
    {ID_TIME_ACTIVE, ListAction::TimeActive},
    {ID_TIME_REFRESH, ListAction::TimeRefresh},
    {ID_TIME_LOCAL, ListAction::TimeLocal},
    {ID_TIME_GMT, ListAction::TimeGmt},
    {ID_FREQ_ALL, ListAction::RangeAll},
    {ID_FREQ_LF, ListAction::RangeLF},
    {ID_FREQ_MW, ListAction::RangeMW},
    {ID_FREQ_SW, ListAction::RangeSW},
    {ID_FREQ_VHF, ListAction::RangeVHF},
    {ID_FREQ_FM, ListAction::RangeFM},
    {ID_FREQ_UHF, ListAction::RangeUHF},
    {ID_FREQ_USER, ListAction::RangeUser},
    {ID_MOD_ALL, ListAction::ModulationAll},
    {ID_MOD_AM, ListAction::ModulationAM},
    {ID_MOD_FM, ListAction::ModulationFM},
    {ID_MOD_NFM, ListAction::ModulationNFM},
    {ID_MOD_USB, ListAction::ModulationUSB},
    {ID_MOD_LSB, ListAction::ModulationLSB},
    {ID_MOD_CW, ListAction::ModulationCW},
    {ID_MOD_DRM, ListAction::ModulationDRM},
    {ID_MOD_DIGITAL, ListAction::ModulationDigital},
    {ID_SORT_FREQUENCY, ListAction::SortFrequency},
    {ID_SORT_NAME, ListAction::SortName},
    {ID_SORT_MODULATION, ListAction::SortModulation},
    {ID_SORT_LOCATION, ListAction::SortLocation},
};

// The handheld saves on exit on the worker, showing the percentage, and refuses Exit while a worker
// runs.
ExitStyle handheldExit()
{
    ExitStyle style;
    style.save = ExitStyle::Save::OnWorker;
    style.questionIcon = QMessageBox::Question;
    style.savingText = CTavrelDlg::tr("Saving: %1%");
    return style;
}

StationListStyle handheldStyle()
{
    StationListStyle style;
    style.search = StationListStyle::Search::Lowered;
    style.emptySearchIcon = QMessageBox::NoIcon;
    return style;
}

QFont headerFont()
{
    QFont font = HandheldDialogLayout::dialogFont();
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

QIcon makeIcon()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 51, 153));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 8), QPointF(16, 26));
    painter.drawLine(QPointF(10, 26), QPointF(22, 26));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(8, 4, 16, 12), 30 * 16, 120 * 16);
    painter.drawArc(QRectF(4, 0, 24, 20), 40 * 16, 100 * 16);
    return QIcon(picture);
}

} // namespace

CTavrelDlg::CTavrelDlg(ORVImpl& base, std::filesystem::path stationFile, QSettings& profile,
                       QWidget* parent)
    : QDialog(parent), m_bandsProfile(profile), m_headerBitmap(makeHeaderBitmap()),
      m_headerFont(headerFont()), m_list(new CKavrinListCtrl(this)),
      m_status(new QLabel(tr("Ready"), this)), m_owner(base, std::move(stationFile),
                                                       {*m_list,
                                                        *this,
                                                        m_bandsProfile,
                                                        m_layout,
                                                        handheldStyle(),
                                                        {IDC_WORKER_PROGRESS, IDC_WORKER_DONE}}),
      m_exitGuard(m_owner, {*this, handheldExit(), [this] { return statusText(); },
                            [this](const QString& text) { setStatusText(text); }}),
      m_menuRunner([](QMenu& menu, const QPoint& at) { return menu.exec(at); })
{
    setWindowTitle(QStringLiteral("Kavrin"));
    setWindowIcon(makeIcon());
    setFont(HandheldDialogLayout::dialogFont());
    setFixedSize(240, 320);
    // The window is the device's screen: no message box or drop-down list may run past it.
    setDeviceScreen(*this);

    auto* caption = new QLabel(tr("Stations list:"), this);
    caption->setGeometry(kMainUnits.rect(2, 27, 100, 8));
    setControlId(m_list, IDC_STATION_LIST);
    m_list->setGeometry(kMainUnits.rect(1, 36, 136, 138));
    m_list->fitStationColumn();
    setControlId(m_status, IDC_STATUS);
    m_status->setGeometry(kMainUnits.rect(1, 174, 138, 8));

    buildCommands();
    connect(&m_owner, &StationListOwner::statusTextChanged, this, &CTavrelDlg::setStatusText);
    connect(&m_owner, &StationListOwner::progressed, this, &CTavrelDlg::showProgress);
    connect(&m_owner, &StationListOwner::loadFinished, this, &CTavrelDlg::onLoadFinished);
    // After the exit guard, which ends the dialog when the exit's save succeeded.
    connect(&m_owner, &StationListOwner::saveFinished, this, &CTavrelDlg::workerFinished);
    connect(&m_exitGuard, &ExitGuard::retryExit, this, &CTavrelDlg::exitDialog);
    // The new sort label shows at once, not with the next paint.
    connect(&m_owner, &StationListOwner::sorted, this, [this] { repaint(headerRect()); });
    connect(m_list, &QAbstractItemView::doubleClicked, this,
            [this] { postCommand(ID_STATION_EDIT); });
    connect(m_list, &CKavrinListCtrl::tapAndHold, this, &CTavrelDlg::showStationMenu);
    postCommand(IDC_LOAD);
}

CTavrelDlg::~CTavrelDlg() = default;

void CTavrelDlg::buildCommands()
{
    for (const HandheldListCommand& entry : kListCommands)
        m_commands.add(listCommand(entry.id, entry.action, m_owner));
    m_commands.add(makeCommand(ID_APP_ABOUT, tr("About"), {}, [this] { showAbout(); }));
    m_commands.add(makeCommand(ID_APP_EXIT, tr("Exit"), {}, [this] { exitDialog(); }));
}

void CTavrelDlg::runCommand(int id)
{
    if (menuOfAnchor(id) != 0) {
        showHeaderMenu(id);
    } else if (id == IDC_LOAD) {
        m_owner.startLoading();
    } else if (isEnabled(id)) {
        command(id)->run();
    }
}

void CTavrelDlg::postCommand(int id)
{
    QMetaObject::invokeMethod(
        this, [this, id] { runCommand(id); }, Qt::QueuedConnection);
}

QString CTavrelDlg::statusText() const
{
    return m_status->text();
}

void CTavrelDlg::setStatusText(const QString& text)
{
    m_status->setText(text);
    emit statusTextChanged(text);
}

void CTavrelDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(kCaptionBand, QColor(0, 51, 153));
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    painter.drawText(kCaptionBand.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     windowTitle());
    paintHeader(painter, m_headerBitmap, m_headerFont, m_owner.filter().sortKey);
}

void CTavrelDlg::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const int anchor = headerZoneCommand(event->position().toPoint()))
        postCommand(anchor);
}

void CTavrelDlg::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    event->ignore();
    postCommand(ID_APP_EXIT);
}

void CTavrelDlg::reject()
{
    postCommand(ID_APP_EXIT);
}

void CTavrelDlg::showHeaderMenu(int anchor)
{
    if (isBusy())
        return;
    const QRect rect = kMainUnits.rect(anchorRectUnits(anchor));
    openMenu(menuOfAnchor(anchor), mapToGlobal(QPoint(rect.left(), rect.top() + rect.height())));
}

void CTavrelDlg::showStationMenu(const QPoint& globalPos)
{
    // The worker has the base to itself: the station commands must not reach it meanwhile.
    if (isBusy())
        return;
    openMenu(IDR_MENU_STATION, globalPos);
}

void CTavrelDlg::openMenu(int menuId, const QPoint& globalPos)
{
    int chosen = 0;
    {
        QMenu menu(this);
        menu.setProperty("menuId", menuId);
        // A popup is a window of its own and takes no font from the dialog. The handheld's menus
        // use the smaller font and narrow margins so the longest item fits the screen's width.
        menu.setFont(HandheldDialogLayout::pageFont());
        menu.setStyleSheet(QStringLiteral("QMenu::item { padding: 2px 0px 2px 13px; }"));
        addCommandEntries(menu, menuItems(menuId), [this, &menu](int id) -> QAction* {
            const ViewCommand* c = command(id);
            if (c == nullptr)
                return nullptr;
            auto* item = new QAction(c->menuText, &menu);
            item->setData(id);
            // Only a set mark is drawn, as on the handheld: an unmarked item is not checkable.
            const bool marked = c->checked && c->checked();
            item->setCheckable(marked);
            item->setChecked(marked);
            item->setEnabled(!c->enabled || c->enabled());
            return item;
        });
        const QRect screen(mapToGlobal(QPoint(0, 0)), size());
        if (QAction* picked = m_menuRunner(menu, popupPosition(globalPos, menu.sizeHint(), screen)))
            chosen = picked->data().toInt();
    }
    if (chosen != 0)
        runCommand(chosen);
}

void CTavrelDlg::showProgress(int percent)
{
    if (m_exitGuard.isSaving())
        return; // the exit guard shows the save's figure
    if (percent < 100)
        setStatusText(tr("Loading: %1%").arg(percent));
    else
        setStatusText(tr("Loading: 100%. Updating list..."));
    // The worker waits while this runs, so a figure is left to the next paint, which comes while
    // the worker reads on. The last one is painted at once: the list refresh that follows keeps
    // the dialog busy.
    if (percent >= 100)
        m_status->repaint();
}

void CTavrelDlg::onLoadFinished(const Result<>& result)
{
    if (result && m_owner.base().GetCount() == 0)
        prompts().message(this, tr("Stations list is empty"), tr("Warning"), QMessageBox::NoIcon,
                          QMessageBox::Ok);
    m_list->setFocus();
    emit workerFinished();
}

void CTavrelDlg::showAbout()
{
    CTavrelAboutDlg about(this);
    prompts().run(about);
}

void CTavrelDlg::exitDialog()
{
    if (m_exitGuard.mayExit())
        endDialog();
}

void CTavrelDlg::endDialog()
{
    m_ending = true;
    accept();
}

} // namespace kavrin::tavrel
