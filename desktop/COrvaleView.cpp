#include "desktop/COrvaleView.h"

#include "core/Clock.h"
#include "core/FileBackup.h"
#include "core/Modulation.h"
#include "core/ORVImpl.h"
#include "core/OnAir.h"
#include "core/PassesFilter.h"
#include "core/ScheduleImport.h"
#include "core/StationList.h"
#include "core/StationOrder.h"
#include "desktop/CImportBiDlg.h"
#include "desktop/CPPCTransferDlg.h"
#include "desktop/CommandIds.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/list/StationFileWarnings.h"
#include "ui/platform/Prompts.h"
#include "ui/platform/WaitCursor.h"

#include <QItemSelectionModel>

namespace kavrin::orvale {

namespace {

const QColor kStationTint(250, 235, 170);
const QColor kRangeTint(190, 215, 245);
const QColor kModulationTint(195, 235, 195);
const QColor kTimeTint(245, 205, 170);

} // namespace

COrvaleView::COrvaleView(ORVImpl& base, std::filesystem::path stationFile,
                         const ViewSupport& support, QWidget* parent)
    : CKavrinView(parent), m_base(base), m_stationFile(std::move(stationFile)), m_support(support),
      m_statusText(tr("Loading...")), m_loadThread(this, [this](int command) { onNotice(command); })
{
    buildCommands();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &COrvaleView::commandStatesChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { runCommand(ID_STATION_EDIT); }, Qt::QueuedConnection);
    });
}

COrvaleView::~COrvaleView() = default;

void COrvaleView::addCommand(ViewCommand command)
{
    m_commands.add(std::move(command));
}

void COrvaleView::buildCommands()
{
    const auto selected = [this] { return firstSelectedRow() >= 0; };
    addCommand({ID_STATION_NEW,
                tr("New station..."),
                tr("Add new station"),
                tr("New"),
                kStationTint,
                [this] { newStation(); },
                {},
                {}});
    addCommand({ID_STATION_EDIT,
                tr("Edit station..."),
                tr("Edit station"),
                tr("Edit"),
                kStationTint,
                [this] { editStation(); },
                {},
                selected});
    addCommand({ID_STATION_DELETE,
                tr("Delete station..."),
                {},
                {},
                {},
                [this] { deleteStation(); },
                {},
                selected});
    addCommand({ID_IMPORT_SCHEDULE,
                tr("Bi shortwave schedule text file..."),
                {},
                {},
                {},
                [this] { importSchedule(); },
                {},
                {}});

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
        addCommand({s.id,
                    tr(s.text),
                    tr(s.text),
                    {},
                    {},
                    [this, key] { sortBy(key); },
                    [this, key] { return m_filter.sortChecked(key); },
                    {}});
    }

    struct Range {
        int id;
        const char* text;
        const char* prompt;
        const char* label;
        RangeKind kind;
    };
    for (const Range& r :
         {Range{ID_FREQ_ALL, "Show all frequencies", "Show all freqiencies", "All", RangeKind::All},
          Range{ID_FREQ_LF, "Low Frequency (less than 300 kHz)", nullptr, "LF", RangeKind::LF},
          Range{ID_FREQ_MW, "Medium Waves (300 - 3000 kHz)", nullptr, "MW", RangeKind::MW},
          Range{ID_FREQ_SW, "Short Waves (3 - 30 MHz)", nullptr, "SW", RangeKind::SW},
          Range{ID_FREQ_VHF, "Very High Frequency (30 - 300 MHz)", nullptr, "VHF", RangeKind::VHF},
          Range{ID_FREQ_FM, "FM radio broadcast (88 – 108 MHz)", nullptr, "FM",
                RangeKind::FMBroadcast},
          Range{ID_FREQ_UHF, "Ultra High Frequency (300 MHz and more)", nullptr, "UHF",
                RangeKind::UHF}}) {
        const RangeKind kind = r.kind;
        addCommand(
            {r.id,
             tr(r.text),
             tr(r.prompt ? r.prompt : r.text),
             QString::fromLatin1(r.label),
             kRangeTint,
             [this, kind] { changeFilter([kind](StationFilter& f) { f.chooseRange(kind); }); },
             [this, kind] { return m_filter.rangeChecked(kind); },
             {}});
    }

    addCommand({ID_FREQ_USER,
                tr("User defined range..."),
                tr("User defined range"),
                tr("Usr"),
                kRangeTint,
                [this] { chooseUserRange(); },
                [this] { return m_filter.rangeChecked(RangeKind::User); },
                {}});

    addCommand({ID_MOD_ALL,
                tr("Show all modulations"),
                tr("Show all modulations"),
                tr("All"),
                kModulationTint,
                [this] { changeFilter([](StationFilter& f) { f.showAllModulations(); }); },
                [this] { return m_filter.allModulationsChecked(); },
                {}});
    struct Mod {
        int id;
        int code;
        const char* label;
    };
    for (const Mod& m :
         {Mod{ID_MOD_AM, MOD_AM, "AM"}, Mod{ID_MOD_FM, MOD_FM, "FM"},
          Mod{ID_MOD_NFM, MOD_NFM, "NFM"}, Mod{ID_MOD_USB, MOD_USB, "USB"},
          Mod{ID_MOD_LSB, MOD_LSB, "LSB"}, Mod{ID_MOD_CW, MOD_CW, "CW"},
          Mod{ID_MOD_DRM, MOD_DRM, "DRM"}, Mod{ID_MOD_DIGITAL, MOD_DIGITAL, "Dig"}}) {
        const int code = m.code;
        const QString name = QString::fromStdU16String(std::u16string(modulationName(code)));
        addCommand(
            {m.id,
             name,
             name,
             QString::fromLatin1(m.label),
             kModulationTint,
             [this, code] { changeFilter([code](StationFilter& f) { f.toggleModulation(code); }); },
             [this, code] { return m_filter.modulationChecked(code); },
             {}});
    }

    addCommand({ID_SEARCH_START,
                tr("Start search..."),
                tr("Start search"),
                {},
                {},
                [this] { startSearch(); },
                {},
                {}});
    addCommand({ID_SEARCH_RESET,
                tr("Reset search"),
                tr("Reset search"),
                {},
                {},
                [this] { refill(); },
                {},
                {}});

    addCommand({ID_TIME_ALL,
                tr("Show all stations"),
                tr("Show all stations"),
                {},
                {},
                [this] { changeFilter([](StationFilter& f) { f.showAllStations(); }); },
                [this] { return m_filter.allStationsChecked(); },
                {}});
    addCommand({ID_TIME_ACTIVE,
                tr("Show active stations"),
                tr("Show active stations"),
                {},
                {},
                [this] { changeFilter([](StationFilter& f) { f.showActiveStations(); }); },
                [this] { return m_filter.activeStationsChecked(); },
                {}});
    addCommand({ID_TIME_LOCAL,
                tr("Use local time"),
                tr("Use local time"),
                {},
                {},
                [this] { changeFilter([](StationFilter& f) { f.chooseLocalTime(); }); },
                [this] { return m_filter.localTimeChecked(); },
                {}});
    addCommand({ID_TIME_GMT,
                tr("Use GMT time"),
                tr("Use GMT time"),
                {},
                {},
                [this] { changeFilter([](StationFilter& f) { f.chooseGmtTime(); }); },
                [this] { return m_filter.gmtTimeChecked(); },
                {}});
    addCommand({ID_TIME_REFRESH,
                tr("Refresh list"),
                tr("Refresh list"),
                {},
                {},
                [this] { refill(); },
                {},
                {}});
    addCommand({ID_PPC_SAVE,
                tr("Save data to PPC..."),
                tr("Save data to PocketPC"),
                {},
                {},
                [this] { uploadToHandheld(); },
                {},
                {}});
    addCommand({ID_PPC_LOAD,
                tr("Load data from PPC..."),
                tr("Load data from PocketPC"),
                {},
                {},
                [this] { downloadFromHandheld(); },
                {},
                {}});
    addCommand({ID_TIME_TOGGLE_ACTIVE,
                {},
                tr("Show all/active stations"),
                tr("On"),
                kTimeTint,
                [this] { changeFilter([](StationFilter& f) { f.toggleActive(); }); },
                [this] { return m_filter.activeStationsChecked(); },
                {}});
}

void COrvaleView::runCommand(int id)
{
    if (!isEnabled(id))
        return;
    command(id)->run();
    emit commandStatesChanged();
}

void COrvaleView::startLoading()
{
    m_loadThread.start(StationFileJob::Kind::Load, m_base, m_stationFile, ID_LOAD_PROGRESS,
                       ID_LOAD_DONE);
    emit commandStatesChanged();
}

void COrvaleView::onNotice(int command)
{
    // The desktop shows no progress figure: "Loading..." stands until the list is filled.
    if (command == ID_LOAD_DONE)
        onLoadDone();
}

void COrvaleView::onLoadDone()
{
    // An import ends here too, with no load to finish.
    const bool loaded = m_loadThread.finish();
    refill();
    emit commandStatesChanged();
    if (loaded && !m_loadThread.succeeded()) {
        m_keepUnreadableFile = true;
        warnUnreadableStationFile(this, m_stationFile, m_loadThread.failure());
    }
    emit loadFinished();
}

bool COrvaleView::saveStations()
{
    WaitCursor wait;
    std::filesystem::path backup;
    Result saved = m_keepUnreadableFile ? backUpFile(m_stationFile, backup) : Result::success();
    if (saved) {
        m_keepUnreadableFile = false;
        saved = m_base.Save(m_stationFile);
    }
    if (!saved)
        warnUnsavedStationFile(this, m_stationFile, saved.reason());
    return saved.ok();
}

void COrvaleView::refill()
{
    WaitCursor wait;
    setUpdatesEnabled(false);
    StationListing listing = buildDisplayedSet(m_base, m_filter);
    rows().setRows(std::move(listing.rows));
    fitStationColumn();
    setUpdatesEnabled(true);
    setStatusText(
        QString::fromStdU16String(kavrin::statusText(listing.itemsInBase, rows().rowCount())));
}

void COrvaleView::changeFilter(const std::function<void(StationFilter&)>& change)
{
    change(m_filter);
    refill();
}

void COrvaleView::sortBy(SortKey key)
{
    m_filter.sortBy(key);
    sortKeepingSelection();
}

void COrvaleView::sortKeepingSelection()
{
    const int selected = firstSelectedRow();
    const int station = selected >= 0 ? rows().row(selected).index : -1;
    const SortKey key = m_filter.sortKey;
    rows().reorder([this, key](std::vector<StationRow>& r) { sortRows(r, m_base, key); });
    if (station >= 0)
        scrollTo(rows().index(rows().rowOfStation(station), 0));
}

int COrvaleView::usedStationCount() const
{
    int used = 0;
    for (int i = 0; i < m_base.GetCount(); ++i)
        used += m_base[i].stName.empty() ? 0 : 1;
    return used;
}

void COrvaleView::newStation()
{
    CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_support.layout, this);
    if (prompts().run(dialog) != QDialog::Accepted)
        return;
    const int station = m_base.Add(dialog.record());
    m_modified = true;
    const ClockReading now = readClock();
    const FilterVerdict verdict = passesFilter(m_base[station], m_filter, now.utc);
    if (verdict.passes)
        rows().appendRow(makeRow(m_base[station], station, verdict.onAir,
                                 m_filter.useLocalTime != 0, now.localOffsetSeconds));
    sortKeepingSelection();
    if (const int row = rows().rowOfStation(station); row >= 0)
        selectRow(row, true);
    setStatusText(
        QString::fromStdU16String(kavrin::statusText(usedStationCount(), rows().rowCount())));
}

void COrvaleView::editStation()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    const int station = rows().row(row).index;
    CStationPropDlg dialog(m_base[station], m_support.layout, this);
    if (prompts().run(dialog) != QDialog::Accepted)
        return;
    m_base[station] = dialog.record();
    m_modified = true;
    // The edited row is not filtered again: it stays until the next refill.
    const ClockReading now = readClock();
    rows().replaceRow(row, makeRow(m_base[station], station, IsWorkingAt(m_base[station], now.utc),
                                   m_filter.useLocalTime != 0, now.localOffsetSeconds));
    sortKeepingSelection();
    selectRow(rows().rowOfStation(station), false);
}

void COrvaleView::startSearch()
{
    CSearchParamsDlg dialog(m_support.layout, this);
    if (prompts().run(dialog) != QDialog::Accepted)
        return;
    WaitCursor wait;
    setUpdatesEnabled(false);
    SearchResult result = buildSearchResult(m_base, m_filter, dialog.searchText().toStdU16String(),
                                            dialog.matchCase());
    rows().setRows(std::move(result.rows));
    setUpdatesEnabled(true);
    setStatusText(tr("Search results"));
    if (result.matchCount == 0)
        prompts().message(this, tr("Search results list is empty"), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
}

void COrvaleView::chooseUserRange()
{
    update();
    const auto range = CInputFreqRangeDlg::ask(m_filter, m_support.bands, m_support.layout, this);
    if (range)
        changeFilter([r = *range](StationFilter& f) { f.setUserRange(r.low, r.high); });
}

void COrvaleView::deleteStation()
{
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    const auto answer =
        prompts().message(this, tr("Really delete this station from the list?"), tr("Warning"),
                          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const int station = rows().row(row).index;
    rows().removeRowAt(row);
    m_base[station].stName.clear();
    m_modified = true;
    if (rows().rowCount() > 0)
        selectRow(std::min(row, rows().rowCount() - 1), false);
}

void COrvaleView::importSchedule()
{
    CImportBiDlg explanation(this);
    if (prompts().run(explanation) != QDialog::Accepted)
        return;
    const QString file = prompts().openFileName(this, tr("Choose text file"), tr("HTML (*.txt)"));
    if (file.isEmpty())
        return;

    WaitCursor wait;
    // Thousands of bad lines must not mean thousands of boxes: after ten, offer to stop.
    constexpr int kMessagesBeforeOffer = 10;
    int shown = 0;
    const auto tell = [this, &shown](const ScheduleLineMessage& message) {
        prompts().message(this, QString::fromStdU16String(message.text),
                          QString::fromStdU16String(message.title), QMessageBox::Warning,
                          QMessageBox::Ok);
        if (++shown != kMessagesBeforeOffer)
            return ScheduleMessageReply::Continue;
        const auto answer = prompts().message(
            this,
            tr("%1 lines of this file could not be read so far. Skip the messages about "
               "the remaining ones?")
                .arg(shown),
            tr("Warning"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? ScheduleMessageReply::SkipRemaining
                                          : ScheduleMessageReply::Continue;
    };
    ScheduleImportCounts counts;
    const Result imported =
        kavrin::importSchedule(std::filesystem::path(file.toStdU16String()), m_base, counts, tell);
    switch (imported.kind()) {
    case Result::Kind::CannotOpen:
        prompts().message(this, tr("Cannot open file\n%1").arg(file), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
        return;
    case Result::Kind::UnknownFormat:
    case Result::Kind::Failed:
        prompts().message(this, tr("Cannot import data - unknown format"), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
        return;
    case Result::Kind::Ok:
        m_modified = true;
        QMetaObject::invokeMethod(
            this, [this] { onNotice(ID_LOAD_DONE); }, Qt::QueuedConnection);
        return;
    }
}

void COrvaleView::uploadToHandheld()
{
    // The flag is cleared only once the list is safely on disk: a failed save sends nothing.
    if (m_modified) {
        if (!saveStations())
            return;
        m_modified = false;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(m_stationFile, ignored)) {
        prompts().message(this, tr("Stations list is empty, nothing to send"), tr("Information"),
                          QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    CPPCTransferDlg dialog(CPPCTransferDlg::Save, m_stationFile, m_support.settings, m_support.link,
                           this);
    prompts().run(dialog);
}

void COrvaleView::downloadFromHandheld()
{
    CPPCTransferDlg dialog(CPPCTransferDlg::Load, m_stationFile, m_support.settings, m_support.link,
                           this);
    prompts().run(dialog);
    if (dialog.received()) {
        m_keepUnreadableFile = false; // the file is the handheld's now
        startLoading();
    }
}

void COrvaleView::setStatusText(const QString& text)
{
    m_statusText = text;
    emit statusTextChanged(text);
}

} // namespace kavrin::orvale
