#include "handheld/CTavrelDlg.h"

#include "core/Clock.h"
#include "core/FileBackup.h"
#include "core/LoadProgress.h"
#include "core/LoweredSearch.h"
#include "core/Modulation.h"
#include "core/ORVImpl.h"
#include "core/OnAir.h"
#include "core/PassesFilter.h"
#include "core/RowSort.h"
#include "core/StationList.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelAboutDlg.h"
#include "handheld/DialogUnits.h"
#include "handheld/HeaderMenus.h"
#include "handheld/HeaderStrip.h"
#include "handheld/TavrelCommandIds.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/dialogs/ControlId.h"
#include "ui/list/StationFileWarnings.h"
#include "ui/platform/Prompts.h"
#include "ui/platform/WaitCursor.h"

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

// The platform's wide-character lower-case function, one code unit at a time.
char16_t platformLower(char16_t c)
{
    return static_cast<char16_t>(QChar::toLower(char32_t{c}));
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
    : QDialog(parent), m_base(base), m_stationFile(std::move(stationFile)), m_bandsProfile(profile),
      m_hWorker(this, [this](int command) { onNotice(command); }),
      m_headerBitmap(makeHeaderBitmap()), m_headerFont(headerFont()),
      m_menuRunner([](QMenu& menu, const QPoint& at) { return menu.exec(at); })
{
    setWindowTitle(QStringLiteral("Kavrin"));
    setWindowIcon(makeIcon());
    setFont(HandheldDialogLayout::dialogFont());
    setFixedSize(240, 320);

    auto* caption = new QLabel(tr("Stations list:"), this);
    caption->setGeometry(kMainUnits.rect(2, 27, 100, 8));
    m_list = new CKavrinListCtrl(this);
    setControlId(m_list, IDC_STATION_LIST);
    m_list->setGeometry(kMainUnits.rect(1, 36, 136, 138));
    m_list->fitStationColumn();
    m_status = new QLabel(tr("Ready"), this);
    setControlId(m_status, IDC_STATUS);
    m_status->setGeometry(kMainUnits.rect(1, 174, 138, 8));

    buildCommands();
    connect(m_list, &QAbstractItemView::doubleClicked, this,
            [this] { postCommand(ID_STATION_EDIT); });
    connect(m_list, &CKavrinListCtrl::tapAndHold, this, &CTavrelDlg::showStationMenu);
    postCommand(IDC_LOAD);
}

CTavrelDlg::~CTavrelDlg() = default;

void CTavrelDlg::addCommand(int id, const QString& menuText, std::function<void()> run,
                            std::function<bool()> checked, std::function<bool()> enabled)
{
    ViewCommand command;
    command.id = id;
    command.menuText = menuText;
    command.run = std::move(run);
    command.checked = std::move(checked);
    command.enabled = std::move(enabled);
    m_commands.add(std::move(command));
}

void CTavrelDlg::buildCommands()
{
    const auto selected = [this] { return m_list->selectedRow() >= 0; };
    addCommand(ID_STATION_NEW, tr("New station..."), [this] { newStation(); });
    addCommand(
        ID_STATION_EDIT, tr("Edit station..."), [this] { editStation(); }, {}, selected);
    addCommand(
        ID_STATION_DELETE, tr("Delete station..."), [this] { deleteStation(); }, {}, selected);
    addCommand(ID_APP_ABOUT, tr("About"), [this] { showAbout(); });
    addCommand(ID_APP_EXIT, tr("Exit"), [this] { exitDialog(); });

    addCommand(ID_SEARCH_START, tr("Start search..."), [this] { startSearch(); });
    addCommand(ID_SEARCH_RESET, tr("Reset search"), [this] { refreshList(); });

    const auto filterCommand = [this](int id, const QString& text,
                                      std::function<void(StationFilter&)> change,
                                      std::function<bool(const StationFilter&)> checked) {
        addCommand(
            id, text, [this, change] { changeFilter(change); },
            [this, checked] { return checked(m_filter); });
    };
    filterCommand(ID_TIME_ALL, tr("Show all stations"), &StationFilter::showAllStations,
                  &StationFilter::allStationsChecked);
    filterCommand(ID_TIME_ACTIVE, tr("Show active stations"), &StationFilter::showActiveStations,
                  &StationFilter::activeStationsChecked);
    addCommand(ID_TIME_REFRESH, tr("Refresh list"), [this] { refreshList(); });
    filterCommand(ID_TIME_LOCAL, tr("Use local time"), &StationFilter::chooseLocalTime,
                  &StationFilter::localTimeChecked);
    filterCommand(ID_TIME_GMT, tr("Use GMT time"), &StationFilter::chooseGmtTime,
                  &StationFilter::gmtTimeChecked);

    struct Range {
        int id;
        const char* text;
        RangeKind kind;
    };
    for (const Range& r :
         {Range{ID_FREQ_ALL, "Show all frequencies", RangeKind::All},
          Range{ID_FREQ_LF, "Low Frequency (less than 300 kHz)", RangeKind::LF},
          Range{ID_FREQ_MW, "Medium Waves (300 - 3000 kHz)", RangeKind::MW},
          Range{ID_FREQ_SW, "Short Waves (3 - 30 MHz)", RangeKind::SW},
          Range{ID_FREQ_VHF, "Very High Frequency (30 - 300 MHz)", RangeKind::VHF},
          Range{ID_FREQ_FM, "FM radio broadcast (88 – 108 MHz)", RangeKind::FMBroadcast},
          Range{ID_FREQ_UHF, "Ultra High Frequency (300 MHz and more)", RangeKind::UHF}}) {
        const RangeKind kind = r.kind;
        filterCommand(
            r.id, tr(r.text), [kind](StationFilter& f) { f.chooseRange(kind); },
            [kind](const StationFilter& f) { return f.rangeChecked(kind); });
    }
    addCommand(
        ID_FREQ_USER, tr("User defined range..."), [this] { chooseUserRange(); },
        [this] { return m_filter.rangeChecked(RangeKind::User); });

    filterCommand(ID_MOD_ALL, tr("Show all modulations"), &StationFilter::showAllModulations,
                  &StationFilter::allModulationsChecked);
    struct Mod {
        int id;
        int code;
    };
    for (const Mod& m : {Mod{ID_MOD_AM, MOD_AM}, Mod{ID_MOD_FM, MOD_FM}, Mod{ID_MOD_NFM, MOD_NFM},
                         Mod{ID_MOD_USB, MOD_USB}, Mod{ID_MOD_LSB, MOD_LSB}, Mod{ID_MOD_CW, MOD_CW},
                         Mod{ID_MOD_DRM, MOD_DRM}, Mod{ID_MOD_DIGITAL, MOD_DIGITAL}}) {
        const int code = m.code;
        filterCommand(
            m.id, QString::fromStdU16String(std::u16string(modulationName(code))),
            [code](StationFilter& f) { f.toggleModulation(code); },
            [code](const StationFilter& f) { return f.modulationChecked(code); });
    }

    struct Sort {
        int id;
        const char* text;
        SortKey key;
    };
    for (const Sort& s : {Sort{ID_SORT_FREQUENCY, "Sort by frequency", SortKey::Frequency},
                          Sort{ID_SORT_NAME, "Sort by name", SortKey::Name},
                          Sort{ID_SORT_MODULATION, "Sort by modulation", SortKey::Modulation},
                          Sort{ID_SORT_LOCATION, "Sort by location", SortKey::Location}}) {
        const SortKey key = s.key;
        addCommand(
            s.id, tr(s.text), [this, key] { sortBy(key); },
            [this, key] { return m_filter.sortChecked(key); });
    }
}

void CTavrelDlg::runCommand(int id)
{
    if (menuOfAnchor(id) != 0) {
        showHeaderMenu(id);
    } else if (id == IDC_LOAD) {
        startLoading();
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
    paintHeader(painter, m_headerBitmap, m_headerFont, m_filter.sortKey);
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
        for (int id : menuItems(menuId)) {
            if (id == kMenuSeparator) {
                menu.addSeparator();
                continue;
            }
            const ViewCommand* c = command(id);
            QAction* item = menu.addAction(c->menuText);
            item->setData(id);
            // Only a set mark is drawn, as on the handheld: an unmarked item is not checkable.
            const bool marked = c->checked && c->checked();
            item->setCheckable(marked);
            item->setChecked(marked);
            item->setEnabled(!c->enabled || c->enabled());
        }
        if (QAction* picked = m_menuRunner(menu, globalPos))
            chosen = picked->data().toInt();
    }
    if (chosen != 0)
        runCommand(chosen);
}

void CTavrelDlg::startLoading()
{
    m_hWorker.start(StationFileJob::Kind::Load, m_base, m_stationFile, IDC_WORKER_PROGRESS,
                    IDC_WORKER_DONE);
}

void CTavrelDlg::onNotice(int command)
{
    if (command == IDC_WORKER_PROGRESS)
        showProgress();
    else if (command == IDC_WORKER_DONE)
        onWorkerDone();
}

void CTavrelDlg::showProgress()
{
    const int percent = g_loadProgress;
    if (m_bSaving)
        setStatusText(tr("Saving: %1%").arg(percent));
    else if (percent < 100)
        setStatusText(tr("Loading: %1%").arg(percent));
    else
        setStatusText(tr("Loading: 100%. Updating list..."));
    // The worker waits while this runs, so a figure is left to the next paint, which comes while
    // the worker reads on. The last one is painted at once: the list refresh that follows keeps
    // the dialog busy.
    if (percent >= 100)
        m_status->repaint();
}

void CTavrelDlg::onWorkerDone()
{
    if (!m_hWorker.finish())
        return;
    if (m_bSaving) {
        m_bSaving = false;
        if (m_hWorker.succeeded()) {
            m_bModified = false;
            emit workerFinished();
            endDialog();
            return;
        }
        // The list stays modified and on screen: the user may free the disk or the file and
        // exit again.
        setStatusText(m_statusBeforeSave);
        reportSaveFailure(m_hWorker.failure());
        emit workerFinished();
        return;
    }
    refreshList();
    if (!m_hWorker.succeeded()) {
        m_keepUnreadableFile = true;
        warnUnreadableStationFile(this, m_stationFile, m_hWorker.failure());
    } else if (m_base.GetCount() == 0) {
        prompts().message(this, tr("Stations list is empty"), tr("Warning"), QMessageBox::NoIcon,
                          QMessageBox::Ok);
    }
    m_list->setFocus();
    emit workerFinished();
}

void CTavrelDlg::refreshList()
{
    WaitCursor wait;
    m_list->setUpdatesEnabled(false);
    StationListing listing = buildDisplayedSet(m_base, m_filter);
    m_list->rows().setRows(std::move(listing.rows));
    m_list->fitStationColumn();
    m_list->setUpdatesEnabled(true);
    setStatusText(QString::fromStdU16String(
        kavrin::statusText(listing.itemsInBase, m_list->rows().rowCount())));
    m_list->setFocus();
}

void CTavrelDlg::changeFilter(const std::function<void(StationFilter&)>& change)
{
    change(m_filter);
    refreshList();
}

void CTavrelDlg::sortBy(SortKey key)
{
    StationRowModel& rows = m_list->rows();
    const int selected = m_list->selectedRow();
    const int station = selected >= 0 ? rows.row(selected).index : -1;
    m_filter.sortBy(key);
    rows.reorder([this](std::vector<StationRow>& r) { sortRows(r, m_base, m_filter.sortKey); });
    if (station >= 0)
        m_list->scrollTo(rows.index(rows.rowOfStation(station), 0));
    // The new label shows at once, not with the next paint.
    repaint(headerRect());
    m_list->setFocus();
}

void CTavrelDlg::newStation()
{
    CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_layout, this);
    const int result = prompts().run(dialog);
    m_list->setFocus();
    if (result != QDialog::Accepted)
        return;
    const int station = m_base.Add(dialog.record());
    m_bModified = true;
    StationRowModel& rows = m_list->rows();
    const ClockReading now = readClock();
    const FilterVerdict verdict = passesFilter(m_base[station], m_filter, now.utc);
    if (verdict.passes)
        rows.appendRow(makeRow(m_base[station], station, verdict.onAir, m_filter.useLocalTime != 0,
                               now.localOffsetSeconds));
    rows.reorder([this](std::vector<StationRow>& r) { sortRows(r, m_base, m_filter.sortKey); });
    if (const int row = rows.rowOfStation(station); row >= 0)
        m_list->selectRow(row);
}

void CTavrelDlg::editStation()
{
    StationRowModel& rows = m_list->rows();
    const int row = m_list->selectedRow();
    if (row < 0)
        return;
    const int station = rows.row(row).index;
    CStationPropDlg dialog(m_base[station], m_layout, this);
    const int result = prompts().run(dialog);
    m_list->setFocus();
    if (result != QDialog::Accepted)
        return;
    m_base[station] = dialog.record();
    m_bModified = true;
    // The edited row is not filtered again: it stays until the next refresh.
    const ClockReading now = readClock();
    m_list->setUpdatesEnabled(false);
    rows.replaceRow(row, makeRow(m_base[station], station, IsWorkingAt(m_base[station], now.utc),
                                 m_filter.useLocalTime != 0, now.localOffsetSeconds));
    rows.reorder([this](std::vector<StationRow>& r) { sortRows(r, m_base, m_filter.sortKey); });
    m_list->setUpdatesEnabled(true);
    m_list->selectRow(rows.rowOfStation(station));
}

void CTavrelDlg::deleteStation()
{
    StationRowModel& rows = m_list->rows();
    const int row = m_list->selectedRow();
    if (row < 0)
        return;
    const auto answer =
        prompts().message(this, tr("Really delete this station from the list?"), tr("Warning"),
                          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const int station = rows.row(row).index;
    rows.removeRowAt(row);
    m_base[station].stName.clear();
    m_bModified = true;
    if (rows.rowCount() > 0)
        m_list->selectRow(std::min(row, rows.rowCount() - 1));
    m_list->setFocus();
}

void CTavrelDlg::startSearch()
{
    CSearchParamsDlg dialog(m_layout, this);
    const int result = prompts().run(dialog);
    if (result != QDialog::Accepted) {
        m_list->setFocus();
        return;
    }
    WaitCursor wait;
    m_list->setUpdatesEnabled(false);
    SearchResult found = buildLoweredSearchResult(
        m_base, m_filter, dialog.searchText().toStdU16String(), dialog.matchCase(), &platformLower);
    m_list->rows().setRows(std::move(found.rows));
    m_list->setUpdatesEnabled(true);
    if (found.matchCount == 0)
        prompts().message(this, tr("Search results list is empty"), tr("Warning"),
                          QMessageBox::NoIcon, QMessageBox::Ok);
    m_list->setFocus();
}

void CTavrelDlg::chooseUserRange()
{
    if (const auto range = CInputFreqRangeDlg::ask(m_filter, m_bandsProfile, m_layout, this))
        changeFilter([r = *range](StationFilter& f) { f.setUserRange(r.low, r.high); });
}

void CTavrelDlg::showAbout()
{
    CTavrelAboutDlg about(this);
    prompts().run(about);
}

void CTavrelDlg::exitDialog()
{
    if (!m_bModified) {
        endDialog();
        return;
    }
    const auto answer =
        prompts().message(this, tr("Stations list was modified, save it?"), tr("Warning"),
                          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No) {
        endDialog();
        return;
    }
    if (answer != QMessageBox::Yes)
        return; // closed without an answer: the changes stay, and so does the dialog
    if (m_keepUnreadableFile) {
        std::filesystem::path backup;
        if (const Result kept = backUpFile(m_stationFile, backup); !kept) {
            reportSaveFailure(kept.reason());
            return;
        }
        m_keepUnreadableFile = false;
    }
    m_statusBeforeSave = statusText();
    m_bSaving = true;
    m_hWorker.start(StationFileJob::Kind::Save, m_base, m_stationFile, IDC_WORKER_PROGRESS,
                    IDC_WORKER_DONE);
}

void CTavrelDlg::reportSaveFailure(const std::string& why)
{
    warnUnsavedStationFile(this, m_stationFile, why);
}

void CTavrelDlg::endDialog()
{
    m_ending = true;
    accept();
}

} // namespace kavrin::tavrel
