#include "desktop/COrvaleView.h"

#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleImport.h"
#include "desktop/CImportBiDlg.h"
#include "desktop/CPPCTransferDlg.h"
#include "desktop/CommandIds.h"
#include "desktop/ScheduleImportCommand.h"
#include "desktop/SkippedLineMessages.h"
#include "ui/commands/ListCommands.h"
#include "ui/platform/Prompts.h"
#include "ui/platform/WaitCursor.h"

namespace kavrin::orvale {

namespace {

const QColor kStationTint(250, 235, 170);
const QColor kRangeTint(190, 215, 245);
const QColor kModulationTint(195, 235, 195);
const QColor kTimeTint(245, 205, 170);

// A list command under its desktop id, with its status bar prompt and tooltip (nullptr: the menu
// text; empty: none) and its toolbar picture (no label: not on the toolbar).
struct DesktopListCommand {
    int id;
    ListAction action;
    const char* prompt;
    const char* buttonLabel;
    const QColor* buttonTint;
};

const DesktopListCommand kListCommands[] = {
    {ID_STATION_NEW, ListAction::StationNew, "Add new station", "New", &kStationTint},
    {ID_STATION_EDIT, ListAction::StationEdit, "Edit station", "Edit", &kStationTint},
    {ID_STATION_DELETE, ListAction::StationDelete, "", nullptr, nullptr},
    {ID_SORT_FREQUENCY, ListAction::SortFrequency, nullptr, nullptr, nullptr},
    {ID_SORT_NAME, ListAction::SortName, nullptr, nullptr, nullptr},
    {ID_SORT_MODULATION, ListAction::SortModulation, nullptr, nullptr, nullptr},
    {ID_SORT_LOCATION, ListAction::SortLocation, nullptr, nullptr, nullptr},
    {ID_FREQ_ALL, ListAction::RangeAll, "Show all freqiencies", "All", &kRangeTint},
    {ID_FREQ_LF, ListAction::RangeLF, nullptr, "LF", &kRangeTint},
    {ID_FREQ_MW, ListAction::RangeMW, nullptr, "MW", &kRangeTint},
    {ID_FREQ_SW, ListAction::RangeSW, nullptr, "SW", &kRangeTint},
    {ID_FREQ_VHF, ListAction::RangeVHF, nullptr, "VHF", &kRangeTint},
    {ID_FREQ_FM, ListAction::RangeFM, nullptr, "FM", &kRangeTint},
    {ID_FREQ_UHF, ListAction::RangeUHF, nullptr, "UHF", &kRangeTint},
    {ID_FREQ_USER, ListAction::RangeUser, "User defined range", "Usr", &kRangeTint},
    {ID_MOD_ALL, ListAction::ModulationAll, nullptr, "All", &kModulationTint},
    {ID_MOD_AM, ListAction::ModulationAM, nullptr, "AM", &kModulationTint},
    {ID_MOD_FM, ListAction::ModulationFM, nullptr, "FM", &kModulationTint},
    {ID_MOD_NFM, ListAction::ModulationNFM, nullptr, "NFM", &kModulationTint},
    {ID_MOD_USB, ListAction::ModulationUSB, nullptr, "USB", &kModulationTint},
    {ID_MOD_LSB, ListAction::ModulationLSB, nullptr, "LSB", &kModulationTint},
    {ID_MOD_CW, ListAction::ModulationCW, nullptr, "CW", &kModulationTint},
    {ID_MOD_DRM, ListAction::ModulationDRM, nullptr, "DRM", &kModulationTint},
    {ID_MOD_DIGITAL, ListAction::ModulationDigital, nullptr, "Dig", &kModulationTint},
    {ID_SEARCH_START, ListAction::SearchStart, "Start search", nullptr, nullptr},
    {ID_SEARCH_RESET, ListAction::SearchReset, nullptr, nullptr, nullptr},
    {ID_TIME_ALL, ListAction::TimeAll, nullptr, nullptr, nullptr},
    {ID_TIME_ACTIVE, ListAction::TimeActive, nullptr, nullptr, nullptr},
    {ID_TIME_LOCAL, ListAction::TimeLocal, nullptr, nullptr, nullptr},
    {ID_TIME_GMT, ListAction::TimeGmt, nullptr, nullptr, nullptr},
    {ID_TIME_REFRESH, ListAction::TimeRefresh, nullptr, nullptr, nullptr},
    {ID_TIME_TOGGLE_ACTIVE, ListAction::TimeToggleActive, "Show all/active stations", "On",
     &kTimeTint},
};

StationListStyle desktopStyle()
{
    StationListStyle style;
    style.search = StationListStyle::Search::Folded;
    style.searchShowsStatus = true;
    style.newStationShowsCounts = true;
    style.emptySearchIcon = QMessageBox::Warning;
    return style;
}

} // namespace

COrvaleView::COrvaleView(ORVImpl& base, std::filesystem::path stationFile,
                         const ViewSupport& support, QWidget* parent)
    : CKavrinView(parent), m_support(support), m_statusText(tr("Loading...")),
      m_owner(base, std::move(stationFile),
              {*this,
               *this,
               support.bands,
               support.layout,
               desktopStyle(),
               {ID_LOAD_PROGRESS, ID_LOAD_DONE}})
{
    buildCommands();
    connect(&m_owner, &StationListOwner::statusTextChanged, this, &COrvaleView::setStatusText);
    connect(&m_owner, &StationListOwner::stateChanged, this, &COrvaleView::commandStatesChanged);
    // The desktop shows no progress figure: "Loading..." stands until the list is filled.
    connect(&m_owner, &StationListOwner::loadFinished, this, &COrvaleView::loadFinished);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { runCommand(ID_STATION_EDIT); }, Qt::QueuedConnection);
    });
}

COrvaleView::~COrvaleView() = default;

void COrvaleView::buildCommands()
{
    for (const DesktopListCommand& entry : kListCommands) {
        ViewCommand command = listCommand(entry.id, entry.action, m_owner);
        command.prompt = entry.prompt ? tr(entry.prompt) : command.menuText;
        if (entry.buttonLabel) {
            command.buttonLabel = tr(entry.buttonLabel);
            command.buttonTint = *entry.buttonTint;
        }
        m_commands.add(std::move(command));
    }
    m_commands.add(makeCommand(ID_IMPORT_SCHEDULE, tr("Bi shortwave schedule text file..."), {},
                               [this] { importSchedule(); }));
    m_commands.add(makeCommand(
        ID_IMPORT_BROADCAST_SCHEDULE, tr("Shortwave schedule CSV or text file..."),
        tr("Import a broadcast schedule file, to replace the stations list or add to it"),
        [this] { importBroadcastSchedule(*this, m_owner); }));
    m_commands.add(makeCommand(ID_PPC_SAVE, tr("Save data to PPC..."), tr("Save data to PocketPC"),
                               [this] { uploadToHandheld(); }));
    m_commands.add(makeCommand(ID_PPC_LOAD, tr("Load data from PPC..."),
                               tr("Load data from PocketPC"), [this] { downloadFromHandheld(); }));
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
    m_owner.startLoading();
}

Result<> COrvaleView::saveStations()
{
    return m_owner.save();
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
    const ScheduleMessageSink tell = skippedLineMessages(*this);
    Result<ScheduleImportCounts> imported = Failure{{}, ResultKind::CannotOpen};
    m_owner.replaceBase([&](ORVImpl& base) {
        imported = kavrin::importSchedule(std::filesystem::path(file.toStdU16String()), base, tell);
        return imported.ok();
    });
    if (imported.kind() == ResultKind::CannotOpen)
        prompts().message(this, tr("Cannot open file\n%1").arg(file), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
    else if (!imported)
        prompts().message(this, tr("Cannot import data - unknown format"), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
}

void COrvaleView::uploadToHandheld()
{
    // The list is sent only once it is safely on disk: a failed save sends nothing.
    if (m_owner.isModified() && !m_owner.save())
        return;
    std::error_code ignored;
    if (!std::filesystem::exists(m_owner.stationFile(), ignored)) {
        prompts().message(this, tr("Stations list is empty, nothing to send"), tr("Information"),
                          QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    CPPCTransferDlg dialog(CPPCTransferDlg::Save, m_owner.stationFile(), m_support.settings,
                           m_support.link, this);
    prompts().run(dialog);
}

void COrvaleView::downloadFromHandheld()
{
    // The received list replaces this one: changes not saved yet would go without a word.
    if (m_owner.isModified()) {
        const auto answer = prompts().message(
            this,
            tr("Stations list was modified and not saved. The list loaded from the Pocket PC "
               "replaces it, and these changes are lost.\n\nLoad data from PPC anyway?"),
            tr("Warning"), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    CPPCTransferDlg dialog(CPPCTransferDlg::Load, m_owner.stationFile(), m_support.settings,
                           m_support.link, this);
    prompts().run(dialog);
    if (dialog.received())
        m_owner.startLoading();
}

void COrvaleView::setStatusText(const QString& text)
{
    m_statusText = text;
    emit statusTextChanged(text);
}

} // namespace kavrin::orvale
