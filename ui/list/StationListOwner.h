#pragma once

#include "core/file/FileFingerprint.h"
#include "core/list/StationFilter.h"
#include "core/list/StationIndex.h"
#include "core/system/Clock.h"
#include "core/system/Result.h"
#include "ui/jobs/StationFileWork.h"

#include <QMessageBox>
#include <QObject>

#include <filesystem>
#include <functional>

class QWidget;

namespace kavrin {

class CaseMap;
class DialogLayout;
class ORVImpl;
class Profile;
class StationListView;

// Where the programs' lists differ in what the user sees.
struct StationListStyle {
    // How a search without "Match case" compares: Folded lowers only the capitals that foldCase
    // knows (ASCII and Cyrillic), Lowered every capital the platform's lower-case function knows.
    enum class Search { Folded, Lowered };
    Search search = Search::Folded;
    bool searchShowsStatus = false;     // a search writes "Search results" into the status text
    bool newStationShowsCounts = false; // a new station writes the counts into the status text
    QMessageBox::Icon emptySearchIcon = QMessageBox::NoIcon; // of "Search results list is empty"
};

// The ids of the notices the station file's worker delivers: the percentage while it works (sent:
// the worker waits until it is shown) and its end (posted).
struct StationFileNotices {
    int progress = 0;
    int done = 0;
};

// What a program gives its list owner.
struct StationListSetup {
    StationListView& list;      // shows the rows
    QWidget& window;            // the parent of the dialogs and message boxes
    Profile& bands;             // the profile that keeps the range dialog's bands
    const DialogLayout& layout; // how the program arranges the shared dialogs
    StationListStyle style;
    StationFileNotices notices;
};

// The one owner of a program's station list: the filter and sort settings, the rows on screen,
// the "modified" flag, and every command that changes them — refill, filter changes, sorting that
// keeps the selected station in view, search, new, edit and delete with the selection afterwards,
// the user range — and the station file's load and save. The program around it supplies its list
// view, dialog layout and profile, maps its command ids onto these operations (ListCommands.h) and
// shows the status text.
//
// While the station file's worker runs it has the station base to itself: isBusy() is then true,
// and the program must not run any command of the list. After the load of a very large file the
// worker goes on for a while with the list already shown, making its other sort orders.
class StationListOwner : public QObject {
    Q_OBJECT
public:
    StationListOwner(ORVImpl& base, std::filesystem::path stationFile, StationListSetup setup);
    ~StationListOwner() override;

    const ORVImpl& base() const { return m_base; }
    const StationFilter& filter() const { return m_filter; }
    const std::filesystem::path& stationFile() const { return m_stationFile; }
    bool isModified() const { return m_modified; }
    bool isBusy() const { return m_worker.running(); }
    // From this many stations on, a load makes the order the list is shown in before it shows the
    // list, and the other orders afterwards (a million stations take about a second for them),
    // with the list's commands waiting for them as for the load.
    static constexpr int kOrdersAfterShowing = 200'000;
    bool hasSelection() const;

    // Rebuilds the rows from the base under the filter, sorted, with nothing selected, and shows
    // the counts "%d items in base, %d displayed".
    void refill();

    // Changes the filter and refills.
    void changeFilter(const std::function<void(StationFilter&)>& change);

    // Re-sorts the rows (no refill); a selected station stays selected and is scrolled into view.
    void sortBy(SortKey key);

    // The commands that open a dialog. Each acts only when the user confirms it, and gives the
    // list the focus when the dialog closes.
    void newStation();
    void editStation();
    void deleteStation();
    void startSearch();
    void chooseUserRange();

    // Loads the station file on the worker; the list is refilled when it ends, no longer counts
    // as modified (the load replaced the base, whatever it held), and loadFinished reports how it
    // went. A file that cannot be read is kept: the first save keeps it as a backup before it
    // replaces it. When no worker can be started the load ends at once as one that failed.
    void startLoading();

    // Saves the base to the station file now, on this thread, under the wait cursor; tells the
    // user when it failed. The list is no longer modified once it succeeded. Fails at once while
    // a worker runs.
    //
    // The list remembers the file as it was when its load started and after each save. When
    // someone else changed the file since, the user is asked first: overwrite it, reload it (the
    // load starts, dropping the list's changes) or cancel. Unless the answer is overwrite the save
    // fails without a warning and the file is untouched; isBusy() tells whether a reload runs.
    Result<> save();

    // The same on the worker, reporting its percentage with `progressed` and its end with
    // saveFinished; the user is told of a failure after saveFinished. The question about a changed
    // file comes first, on this thread. Fails at once, with nothing started, while a worker runs,
    // when the user did not choose to overwrite a changed file, or, after telling the user, when
    // an unreadable station file could not be kept first or no worker could be started.
    Result<> startSaving();

    // Lets `replace` change the base as a whole (an import); it returns whether it did. The rows
    // are taken down first; when the base was replaced they are rebuilt as after a load, once the
    // running command has returned, and the list counts as modified; otherwise they are rebuilt
    // at once.
    void replaceBase(const std::function<bool(ORVImpl&)>& replace);

signals:
    void statusTextChanged(const QString& text);
    void progressed(int percent);
    void loadFinished(const Result<>& result);
    void saveFinished(const Result<>& result);
    // The orders that follow the load of a very large file are made.
    void ordersMade();
    // The worker has ended its job (after loadFinished, saveFinished or ordersMade): the list's
    // commands may run again, unless the list has started another job meanwhile.
    void workerEnded();
    // The rows were re-sorted under a new key.
    void sorted();
    // What the command rules read may have changed: the selection, the filter, the busy state.
    void stateChanged();

private:
    enum class Job { None, Load, Save, Orders };

    void onNotice(const Notice& notice);
    void onLoadDone(const StationFileOutcome& loaded);
    void onSaveDone(const StationFileOutcome& saved);
    // What a save does before it writes: refuses while the worker runs, asks about a file changed
    // on disk (mayReplaceStationFile), and keeps an unreadable station file, telling the user when
    // that failed.
    Result<> prepareSave();
    // The list is saved as `saved` says, when it succeeded.
    void takeSaved(const StationFileOutcome& saved);
    Result<> keepUnreadableFile();
    void showRows(const ClockReading& madeAt);
    int placeRow(int station, bool onAir);
    Result<> mayReplaceStationFile();
    void showCounts();
    void setStatusText(const QString& text);
    int selectedStation() const;

    ORVImpl& m_base;
    std::filesystem::path m_stationFile;
    StationListSetup m_setup;
    StationListView& m_list;
    const CaseMap& m_caseMap;
    StationIndex m_index;
    // The storage of the rows shown before the last list, kept for the next one.
    std::vector<ListedStation> m_spareRows;
    StationFilter m_filter;
    bool m_modified = false;
    // The station file exists but could not be read: keep it before a save replaces it.
    bool m_keepUnreadableFile = false;
    // The station file as this list last read or wrote it.
    FileFingerprint m_seenFile;
    Job m_job = Job::None;
    StationFileJob m_worker;
};

} // namespace kavrin
