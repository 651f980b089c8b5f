#include "ui/list/StationListOwner.h"

#include "core/base/ORVImpl.h"
#include "core/file/FileBackup.h"
#include "core/list/PassesFilter.h"
#include "core/list/StationList.h"
#include "core/station/OnAir.h"
#include "core/system/Clock.h"
#include "core/text/CaseMap.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/jobs/StationFileWork.h"
#include "ui/list/StationFileWarnings.h"
#include "ui/list/StationListView.h"
#include "ui/platform/Prompts.h"
#include "ui/platform/WaitCursor.h"

#include <QItemSelectionModel>

#include <utility>

namespace kavrin {

namespace {

// The platform's wide-character lower-case function, one code unit at a time.
char16_t platformLower(char16_t c)
{
    return static_cast<char16_t>(QChar::toLower(char32_t{c}));
}

const CaseMap& caseMapOf(StationListStyle::Search search)
{
    if (search == StationListStyle::Search::Folded)
        return CaseMap::folding();
    static const CaseMap lowered(&platformLower);
    return lowered;
}

} // namespace

StationListOwner::StationListOwner(ORVImpl& base, std::filesystem::path stationFile,
                                   StationListSetup setup)
    : m_base(base), m_stationFile(std::move(stationFile)), m_setup(setup), m_list(setup.list),
      m_caseMap(caseMapOf(setup.style.search)), m_index(base),
      m_worker(this, [this](const Notice& notice) { onNotice(notice); })
{
    m_list.rows().showStationsOf(m_base);
    connect(m_list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StationListOwner::stateChanged);
}

StationListOwner::~StationListOwner() = default;

bool StationListOwner::hasSelection() const
{
    return m_list.selectedRow() >= 0;
}

int StationListOwner::selectedStation() const
{
    const int row = m_list.selectedRow();
    return row >= 0 ? m_list.rows().row(row).index : -1;
}

void StationListOwner::refill()
{
    WaitCursor wait;
    const ClockReading now = readClock();
    m_index.list(m_filter, now.utc, m_spareRows);
    showRows(now);
    showCounts();
    m_list.setFocus();
    emit stateChanged();
}

void StationListOwner::showRows(const ClockReading& madeAt)
{
    m_list.setUpdatesEnabled(false);
    m_list.rows().swapRows(m_spareRows, {m_filter.useLocalTime != 0, madeAt.localOffsetSeconds});
    m_list.fitStationColumn();
    m_list.setUpdatesEnabled(true);
}

void StationListOwner::showCounts()
{
    setStatusText(
        QString::fromStdU16String(statusText(m_index.usedCount(), m_list.rows().rowCount())));
}

void StationListOwner::setStatusText(const QString& text)
{
    emit statusTextChanged(text);
}

void StationListOwner::changeFilter(const std::function<void(StationFilter&)>& change)
{
    change(m_filter);
    refill();
}

void StationListOwner::sortBy(SortKey key)
{
    m_filter.sortBy(key);
    const int station = selectedStation();
    StationRowModel& rows = m_list.rows();
    rows.reorder([this](std::vector<ListedStation>& r) { m_index.sort(r, m_filter.sortKey); });
    if (station >= 0)
        m_list.scrollTo(rows.index(rows.rowOfStation(station), 0));
    emit sorted();
    m_list.setFocus();
}

int StationListOwner::placeRow(int station, bool onAir)
{
    StationRowModel& rows = m_list.rows();
    const auto row = static_cast<int>(m_index.placeOf(rows.rows(), station, m_filter.sortKey));
    rows.insertRowAt(row, {station, onAir});
    return row;
}

void StationListOwner::newStation()
{
    CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_setup.layout, &m_setup.window);
    const int answer = prompts().run(dialog);
    m_list.setFocus();
    if (answer != QDialog::Accepted)
        return;
    const int station = m_base.Add(dialog.record());
    m_index.added(station);
    m_modified = true;
    const FilterVerdict verdict = passesFilter(m_base[station], m_filter, readClock().utc);
    if (verdict.passes)
        m_list.selectRow(placeRow(station, verdict.onAir), StationListView::Selection::AddToOthers);
    if (m_setup.style.newStationShowsCounts)
        showCounts();
}

void StationListOwner::editStation()
{
    const int row = m_list.selectedRow();
    if (row < 0)
        return;
    const int station = m_list.rows().row(row).index;
    CStationPropDlg dialog(m_base[station], m_setup.layout, &m_setup.window);
    const int answer = prompts().run(dialog);
    m_list.setFocus();
    if (answer != QDialog::Accepted)
        return;
    m_base[station] = dialog.record();
    m_index.changed(station);
    m_modified = true;
    // The edited row is not filtered again: it stays, in its new place, until the next refill.
    m_list.setUpdatesEnabled(false);
    m_list.rows().removeRowAt(row);
    const int placed = placeRow(station, IsWorkingAt(m_base[station], readClock().utc));
    m_list.setUpdatesEnabled(true);
    m_list.selectRow(placed);
}

void StationListOwner::deleteStation()
{
    const int row = m_list.selectedRow();
    if (row < 0)
        return;
    const auto answer =
        prompts().message(&m_setup.window, tr("Really delete this station from the list?"),
                          tr("Warning"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    StationRowModel& rows = m_list.rows();
    const int station = rows.row(row).index;
    rows.removeRowAt(row);
    m_base[station].stName.clear();
    m_index.changed(station);
    m_modified = true;
    if (rows.rowCount() > 0)
        m_list.selectRow(std::min(row, rows.rowCount() - 1));
    m_list.setFocus();
}

void StationListOwner::startSearch()
{
    CSearchParamsDlg dialog(m_setup.layout, &m_setup.window);
    const int answer = prompts().run(dialog);
    m_list.setFocus();
    if (answer != QDialog::Accepted)
        return;
    WaitCursor wait;
    const ClockReading now = readClock();
    const int matches = m_index.search(m_filter, dialog.searchText().toStdU16String(),
                                       dialog.matchCase(), m_caseMap, now.utc, m_spareRows);
    showRows(now);
    if (m_setup.style.searchShowsStatus)
        setStatusText(tr("Search results"));
    if (matches == 0)
        prompts().message(&m_setup.window, tr("Search results list is empty"), tr("Warning"),
                          m_setup.style.emptySearchIcon, QMessageBox::Ok);
    m_list.setFocus();
    emit stateChanged();
}

void StationListOwner::chooseUserRange()
{
    // The menu that chose the command may have left a hole in the window: paint it before the
    // dialog takes over.
    m_setup.window.update();
    const auto range =
        CInputFreqRangeDlg::ask(m_filter, m_setup.bands, m_setup.layout, &m_setup.window);
    if (range)
        changeFilter([r = *range](StationFilter& f) { f.setUserRange(r.low, r.high); });
}

void StationListOwner::startLoading()
{
    if (isBusy())
        return;
    // The rows read the base when they are drawn, and the worker is about to replace it.
    m_spareRows.clear();
    showRows(readClock());
    StationFileJob::Work load = loadStationsWork(m_base, m_stationFile, m_setup.notices.progress);
    const Result<> started = m_worker.start(
        [this, load = std::move(load), shownKey = m_filter.sortKey](NoticeChannel& notices) {
            StationFileOutcome loaded = load(notices);
            // The index goes with the base, which the worker has to itself.
            m_index.reset();
            // A very large list is shown as soon as its own order is made; the other orders
            // follow while it is on screen (onLoadDone).
            if (m_base.GetCount() < kOrdersAfterShowing)
                m_index.prepareOrders();
            else
                m_index.prepareOrder(shownKey);
            return loaded;
        },
        m_setup.notices.done);
    if (!started) {
        // Told as a load that failed: the base is as it was, and the file is kept.
        onLoadDone(StationFileOutcome{started, takeFingerprint(m_stationFile)});
        return;
    }
    m_job = Job::Load;
    emit stateChanged();
}

Result<> StationListOwner::keepUnreadableFile()
{
    if (!m_keepUnreadableFile)
        return Result<>::success();
    WaitCursor wait;
    const Result<std::filesystem::path> kept = backUpFile(m_stationFile);
    if (!kept)
        return kept.error();
    m_keepUnreadableFile = false;
    return Result<>::success();
}

Result<> StationListOwner::mayReplaceStationFile()
{
    const FileFingerprint now = takeFingerprint(m_stationFile);
    // A file that is gone loses nothing when the list is written in its place.
    if (now.state == FileFingerprint::State::Missing || !changedSince(m_seenFile, now))
        return Result<>::success();
    switch (askAboutChangedStationFile(&m_setup.window, m_stationFile, now)) {
    case ChangedFileChoice::Overwrite:
        return Result<>::success();
    case ChangedFileChoice::Reload:
        startLoading();
        return Result<>::failure("the station file changed on disk and is loaded again");
    case ChangedFileChoice::Cancel:
        break;
    }
    return Result<>::failure("the station file changed on disk and was left as it is");
}

Result<> StationListOwner::prepareSave()
{
    if (isBusy())
        return Result<>::failure("the station file is busy");
    if (Result<> mayReplace = mayReplaceStationFile(); !mayReplace)
        return mayReplace;
    Result<> kept = keepUnreadableFile();
    if (!kept)
        warnUnsavedStationFile(&m_setup.window, m_stationFile, kept.reason());
    return kept;
}

void StationListOwner::takeSaved(const StationFileOutcome& saved)
{
    if (!saved.result)
        return;
    m_modified = false;
    m_seenFile = saved.file;
}

Result<> StationListOwner::save()
{
    if (Result<> ready = prepareSave(); !ready)
        return ready;
    WaitCursor wait;
    const StationFileOutcome saved = saveStations(m_base, m_stationFile);
    takeSaved(saved);
    if (!saved.result)
        warnUnsavedStationFile(&m_setup.window, m_stationFile, saved.result.reason());
    return saved.result;
}

Result<> StationListOwner::startSaving()
{
    if (Result<> ready = prepareSave(); !ready)
        return ready;
    const Result<> started = m_worker.start(
        saveStationsWork(m_base, m_stationFile, m_setup.notices.progress), m_setup.notices.done);
    if (!started) {
        warnUnsavedStationFile(&m_setup.window, m_stationFile, started.reason());
        return started;
    }
    m_job = Job::Save;
    emit stateChanged();
    return Result<>::success();
}

void StationListOwner::replaceBase(const std::function<bool(ORVImpl&)>& replace)
{
    // The rows read the base when they are drawn, and `replace` may show a message box, which
    // lets the list repaint, while the base is half made.
    m_spareRows.clear();
    showRows(readClock());
    const bool replaced = replace(m_base);
    m_index.reset();
    if (!replaced) {
        refill();
        return;
    }
    m_modified = true;
    // As after a load: the rows are rebuilt once the command that replaced the base has ended.
    QMetaObject::invokeMethod(
        this, [this] { refill(); }, Qt::QueuedConnection);
}

void StationListOwner::onNotice(const Notice& notice)
{
    if (notice.command == m_setup.notices.progress) {
        emit progressed(notice.count);
        return;
    }
    if (notice.command != m_setup.notices.done)
        return;
    const StationFileOutcome outcome = m_worker.finish();
    switch (std::exchange(m_job, Job::None)) {
    case Job::Load:
        onLoadDone(outcome);
        break;
    case Job::Save:
        onSaveDone(outcome);
        break;
    case Job::Orders:
        emit stateChanged();
        emit ordersMade();
        emit workerEnded();
        break;
    case Job::None:
        break;
    }
}

void StationListOwner::onLoadDone(const StationFileOutcome& loaded)
{
    m_seenFile = loaded.file;
    m_modified = false;
    m_keepUnreadableFile = !loaded.result;
    refill();
    if (!loaded.result)
        warnUnreadableStationFile(&m_setup.window, m_stationFile, loaded.result.reason());
    emit loadFinished(loaded.result);
    emit workerEnded();
    // Unless the window was closed meanwhile or another job took the worker: an order not made
    // now is made when it is first needed.
    if (m_index.ordersMissing() && m_setup.window.isVisible() && !isBusy()) {
        const Result<> started = m_worker.start(
            [this](NoticeChannel&) {
                m_index.prepareOrders();
                return StationFileOutcome{};
            },
            m_setup.notices.done);
        if (started) {
            m_job = Job::Orders;
            emit stateChanged();
        }
    }
}

void StationListOwner::onSaveDone(const StationFileOutcome& saved)
{
    takeSaved(saved);
    emit stateChanged();
    emit saveFinished(saved.result);
    emit workerEnded();
    if (!saved.result)
        warnUnsavedStationFile(&m_setup.window, m_stationFile, saved.result.reason());
}

} // namespace kavrin
