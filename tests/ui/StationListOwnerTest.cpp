#include "ui/list/StationListOwner.h"
#include "core/base/ORVImpl.h"
#include "core/file/FileFingerprint.h"
#include "core/station/Modulation.h"
#include "tests/support/PlainDialogLayout.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"
#include "ui/commands/ListCommands.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/list/StationListView.h"
#include "ui/platform/SettingsProfile.h"

#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace kavrin;

namespace {

using Actions = QList<ListAction>;

// Frequency order: Alpha, Bravo, Charlie, Foxtrot, Delta, Echo, Golf.
const std::vector<TestStation> kStations = {
    {u"Alpha", 0.2, MOD_AM},
    {u"Bravo", 0.3, MOD_FM, -1, -1, u"Alphaville"},
    {u"Charlie", 7.1, MOD_USB},
    {u"Delta", 100.0, MOD_FM, -1, -1, u"Zurich"},
    {u"Echo", 433.0, MOD_NFM, -1, -1, u"Aberdeen"},
    {u"Foxtrot", 14.07, MOD_DIGITAL, 10, 11}, // off the air at noon
    {u"Golf", 9000.0, MOD_UNKNOWN},
};

const QStringList kAll = {"Alpha", "Bravo", "Charlie", "Foxtrot", "Delta", "Echo", "Golf"};

StationListStyle desktopLike()
{
    StationListStyle style;
    style.search = StationListStyle::Search::Folded;
    style.searchShowsStatus = true;
    style.newStationShowsCounts = true;
    style.emptySearchIcon = QMessageBox::Warning;
    return style;
}

// A list owner in a window of its own over a temporary station file, with scripted prompts and the
// clock fixed at Tuesday 2026-12-08 12:00 UTC, the local time three hours ahead.
class OwnerHarness {
public:
    explicit OwnerHarness(StationListStyle style = {}, QAbstractItemView::SelectionMode selection =
                                                           QAbstractItemView::SingleSelection)
        : profile(QString::fromStdString(folder.file("Profile.ini").string()),
                  QSettings::IniFormat),
          bands(profile), list(new StationListView(&window)),
          owner(base, stationFile, {*list, window, bands, layout, style, {1, 2}})
    {
        list->setSelectionMode(selection);
        window.resize(500, 300);
        list->resize(500, 300);
        QObject::connect(&owner, &StationListOwner::statusTextChanged,
                         [this](const QString& text) { status = text; });
    }

    // Loads `stations` from the station file; false when the load did not end in ten seconds.
    bool load(const std::vector<TestStation>& stations)
    {
        writeTestStations(stationFile, stations);
        return loadFile();
    }

    bool loadFile()
    {
        QSignalSpy finished(&owner, &StationListOwner::loadFinished);
        owner.startLoading();
        return finished.wait(10000);
    }

    QStringList listed() const { return namesIn(list->rows()); }
    void select(const QString& name) { list->selectRow(listed().indexOf(name)); }

    void run(ListAction action) { listCommand(0, action, owner).run(); }
    bool checked(ListAction action)
    {
        const ViewCommand command = listCommand(0, action, owner);
        return command.checked && command.checked();
    }
    bool enabled(ListAction action)
    {
        const ViewCommand command = listCommand(0, action, owner);
        return !command.enabled || command.enabled();
    }

    TuesdayNoon clock;
    TempFolder folder;
    std::filesystem::path stationFile = folder.file("Stations.xml");
    ORVImpl base;
    QSettings profile;
    SettingsProfile bands;
    PlainDialogLayout layout;
    ScriptedPrompts prompts;
    QWidget window;
    StationListView* list;
    StationListOwner owner;
    QString status;
};

} // namespace

Q_DECLARE_METATYPE(StationListStyle)

class StationListOwnerTest : public QObject {
    Q_OBJECT

private slots:
    void filterActionsChangeTheListAndTheMarks_data()
    {
        using A = ListAction;
        QTest::addColumn<Actions>("actions");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<Actions>("checked");
        QTest::addColumn<Actions>("unchecked");
        QTest::newRow("defaults") << Actions{} << kAll
                                  << Actions{A::RangeAll, A::ModulationAll, A::TimeAll,
                                             A::TimeLocal, A::SortFrequency}
                                  << Actions{A::RangeLF, A::ModulationAM,     A::TimeActive,
                                             A::TimeGmt, A::TimeToggleActive, A::RangeUser,
                                             A::SortName};
        QTest::newRow("LF takes 0.3 MHz") << Actions{A::RangeLF} << QStringList{"Alpha", "Bravo"}
                                          << Actions{A::RangeLF} << Actions{A::RangeAll};
        QTest::newRow("MW does not")
            << Actions{A::RangeMW} << QStringList{} << Actions{A::RangeMW} << Actions{A::RangeLF};
        QTest::newRow("SW") << Actions{A::RangeSW} << QStringList{"Charlie", "Foxtrot"}
                            << Actions{A::RangeSW} << Actions{};
        QTest::newRow("VHF and FM broadcast")
            << Actions{A::RangeVHF, A::RangeFM} << QStringList{"Delta"} << Actions{A::RangeFM}
            << Actions{A::RangeVHF};
        QTest::newRow("UHF") << Actions{A::RangeUHF} << QStringList{"Echo", "Golf"}
                             << Actions{A::RangeUHF} << Actions{};
        QTest::newRow("back to all") << Actions{A::RangeUHF, A::RangeAll} << kAll
                                     << Actions{A::RangeAll} << Actions{A::RangeUHF};
        QTest::newRow("AM alone") << Actions{A::ModulationAM} << QStringList{"Alpha"}
                                  << Actions{A::ModulationAM} << Actions{A::ModulationAll};
        QTest::newRow("AM off again: nothing chosen")
            << Actions{A::ModulationAM, A::ModulationAM} << QStringList{} << Actions{}
            << Actions{A::ModulationAM, A::ModulationAll};
        QTest::newRow("FM and NFM")
            << Actions{A::ModulationFM, A::ModulationNFM} << QStringList{"Bravo", "Delta", "Echo"}
            << Actions{A::ModulationFM, A::ModulationNFM} << Actions{A::ModulationAll};
        QTest::newRow("all eight one by one")
            << Actions{A::ModulationAM,  A::ModulationFM, A::ModulationNFM, A::ModulationUSB,
                       A::ModulationLSB, A::ModulationCW, A::ModulationDRM, A::ModulationDigital}
            << kAll << Actions{A::ModulationAll} << Actions{A::ModulationAM, A::ModulationDigital};
        QTest::newRow("seven leave out the unknown")
            << Actions{A::ModulationAM,  A::ModulationFM, A::ModulationNFM, A::ModulationUSB,
                       A::ModulationLSB, A::ModulationCW, A::ModulationDRM}
            << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo"} << Actions{A::ModulationCW}
            << Actions{A::ModulationAll};
        QTest::newRow("show all modulations")
            << Actions{A::ModulationCW, A::ModulationAll} << kAll << Actions{A::ModulationAll}
            << Actions{A::ModulationCW};
        QTest::newRow("active") << Actions{A::TimeActive}
                                << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Golf"}
                                << Actions{A::TimeActive, A::TimeToggleActive}
                                << Actions{A::TimeAll};
        QTest::newRow("toggle twice") << Actions{A::TimeToggleActive, A::TimeToggleActive} << kAll
                                      << Actions{A::TimeAll} << Actions{A::TimeActive};
        QTest::newRow("filters combine")
            << Actions{A::ModulationUSB, A::RangeSW} << QStringList{"Charlie"}
            << Actions{A::ModulationUSB, A::RangeSW} << Actions{};
        QTest::newRow("GMT") << Actions{A::TimeGmt} << kAll << Actions{A::TimeGmt}
                             << Actions{A::TimeLocal};
        QTest::newRow("sort by location")
            << Actions{A::SortLocation}
            << QStringList{"Alpha", "Charlie", "Foxtrot", "Golf", "Echo", "Bravo", "Delta"}
            << Actions{A::SortLocation} << Actions{A::SortFrequency};
    }

    void filterActionsChangeTheListAndTheMarks()
    {
        QFETCH(Actions, actions);
        QFETCH(QStringList, listed);
        QFETCH(Actions, checked);
        QFETCH(Actions, unchecked);
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        for (ListAction action : actions)
            h.run(action);
        QCOMPARE(h.listed(), listed);
        QCOMPARE(h.status, QStringLiteral("7 items in base, %1 displayed").arg(listed.size()));
        for (ListAction action : checked)
            QVERIFY2(h.checked(action), qPrintable(QString::number(int(action))));
        for (ListAction action : unchecked)
            QVERIFY2(!h.checked(action), qPrintable(QString::number(int(action))));
    }

    void summariesFollowTheTimeDisplay()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        const auto foxtrot = [&h] {
            return h.list->rows().summaryAt(h.listed().indexOf("Foxtrot"));
        };
        QVERIFY(foxtrot().contains("13:00-14:00;"));
        QVERIFY(!h.list->rows().row(h.listed().indexOf("Foxtrot")).onAir);
        h.run(ListAction::TimeGmt);
        QVERIFY(foxtrot().contains("10:00-11:00 GMT;"));
    }

    void sortingKeepsTheSelectedStationInView()
    {
        OwnerHarness h;
        QVERIFY(h.load(manyStations(300)));
        QSignalSpy sorted(&h.owner, &StationListOwner::sorted);
        h.list->selectRow(299); // S1000, the highest frequency
        h.run(ListAction::SortName);
        QCOMPARE(h.listed().first(), QStringLiteral("S1000"));
        QCOMPARE(h.list->selectedRow(), 0);
        h.run(ListAction::SortFrequency);
        QCOMPARE(h.list->selectedRow(), 299);
        QVERIFY(
            h.list->viewport()->rect().contains(h.list->visualRect(h.list->rows().index(299, 0))));
        QCOMPARE(sorted.size(), 2);
        QCOMPARE(h.status, QStringLiteral("300 items in base, 300 displayed"));
    }

    void deleteAsksThenSelectsTheRowInItsPlace()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        QVERIFY(!h.enabled(ListAction::StationDelete));
        h.run(ListAction::StationDelete); // nothing selected: nothing asked
        QVERIFY(h.prompts.messages.isEmpty());

        h.select("Bravo");
        QVERIFY(h.enabled(ListAction::StationDelete));
        h.prompts.answers = {QMessageBox::No};
        h.run(ListAction::StationDelete);
        QCOMPARE(h.prompts.messages.last(),
                 QStringLiteral("Really delete this station from the list?"));
        QCOMPARE(h.listed(), kAll);
        QVERIFY(!h.owner.isModified());

        h.prompts.answers = {QMessageBox::Yes};
        h.run(ListAction::StationDelete);
        QVERIFY(!h.listed().contains("Bravo"));
        QVERIFY(h.base[1].stName.empty());
        QCOMPARE(h.base.GetCount(), 7);
        QVERIFY(h.owner.isModified());
        QCOMPARE(h.list->selectedRow(), 1);
        // The status text stays as it was until the next refill.
        QCOMPARE(h.status, QStringLiteral("7 items in base, 7 displayed"));

        h.select("Golf"); // the last row: the new last one takes its place
        h.prompts.answers = {QMessageBox::Yes};
        h.run(ListAction::StationDelete);
        QCOMPARE(h.list->selectedRow(), 4);
        h.run(ListAction::TimeRefresh);
        QCOMPARE(h.status, QStringLiteral("5 items in base, 5 displayed"));

        h.run(ListAction::ModulationUSB); // the only row
        h.select("Charlie");
        h.prompts.answers = {QMessageBox::Yes};
        h.run(ListAction::StationDelete);
        QVERIFY(h.listed().isEmpty());
        QCOMPARE(h.list->selectedRow(), -1);
        QVERIFY(!h.enabled(ListAction::StationDelete));
    }

    void withSeveralRowsSelectedTheTopmostIsDeleted()
    {
        OwnerHarness h({}, QAbstractItemView::ExtendedSelection);
        QVERIFY(h.load(kStations));
        h.list->selectRow(4);
        h.list->selectRow(2, StationListView::Selection::AddToOthers);
        h.prompts.answers = {QMessageBox::Yes};
        h.run(ListAction::StationDelete);
        QVERIFY(!h.listed().contains("Charlie"));
        QVERIFY(h.listed().contains("Delta"));
    }

    void newStation_data()
    {
        QTest::addColumn<StationListStyle>("style");
        QTest::addColumn<bool>("showsCounts");
        QTest::newRow("status kept") << StationListStyle{} << false;
        QTest::newRow("counts shown") << desktopLike() << true;
    }

    void newStation()
    {
        QFETCH(StationListStyle, style);
        QFETCH(bool, showsCounts);
        OwnerHarness h(style);
        QVERIFY(h.load(kStations));
        h.run(ListAction::ModulationAM);
        const QString counts = h.status;

        h.prompts.dialogs.push_back(saveStation("Hotel", "9.58", MOD_CW));
        h.run(ListAction::StationNew); // excluded by the filter: only in the base
        QCOMPARE(h.base.GetCount(), 8);
        QVERIFY(h.base[7].stName == u"Hotel");
        QCOMPARE(h.listed(), QStringList({"Alpha"}));
        QCOMPARE(h.list->selectedRow(), -1);
        QCOMPARE(h.status, showsCounts ? QStringLiteral("8 items in base, 1 displayed") : counts);
        QVERIFY(h.owner.isModified());

        h.prompts.dialogs.push_back(saveStation("India", "0.1", MOD_AM));
        h.run(ListAction::StationNew); // listed in its place and selected
        QCOMPARE(h.listed(), QStringList({"India", "Alpha"}));
        QCOMPARE(h.list->selectedRow(), 0);
        QCOMPARE(h.status, showsCounts ? QStringLiteral("9 items in base, 2 displayed") : counts);

        h.run(ListAction::StationNew); // cancelled: nothing changes
        QCOMPARE(h.base.GetCount(), 9);
    }

    void anEditedStationStaysListedUntilTheNextRefill()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        h.run(ListAction::StationEdit); // nothing selected: nothing happens
        QVERIFY(!h.owner.isModified());

        h.run(ListAction::ModulationFM);
        QCOMPARE(h.listed(), QStringList({"Bravo", "Delta"}));
        h.select("Delta");
        h.prompts.dialogs.push_back(saveStation("Delta AM", "0.05", MOD_AM));
        h.run(ListAction::StationEdit);
        QCOMPARE(h.listed(), QStringList({"Delta AM", "Bravo"}));
        QCOMPARE(h.list->selectedRow(), 0);
        QCOMPARE(h.base[3].modulation, int(MOD_AM));
        QVERIFY(h.list->rows().summaryAt(0).contains("AM"));
        QVERIFY(h.owner.isModified());
        QCOMPARE(h.status, QStringLiteral("7 items in base, 2 displayed"));
        h.run(ListAction::TimeRefresh);
        QCOMPARE(h.listed(), QStringList({"Bravo"}));
    }

    void search_data()
    {
        QTest::addColumn<StationListStyle>("style");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QStringList>("listed");
        const StationListStyle lowered{StationListStyle::Search::Lowered};
        QTest::newRow("folded") << desktopLike() << "ALPHA" << false
                                << QStringList{"Alpha", "Bravo"};
        QTest::newRow("folded, match case") << desktopLike() << "ALPHA" << true << QStringList{};
        QTest::newRow("lowered") << lowered << "alpha" << false << QStringList{"Alpha", "Bravo"};
        QTest::newRow("lowered, match case")
            << lowered << "Alpha" << true << QStringList{"Alpha", "Bravo"};
        // Folding knows only ASCII and Cyrillic capitals; lowering knows every one.
        QTest::newRow("accented, folded")
            << desktopLike() << QStringLiteral("ZÜRICH") << false << QStringList{};
        QTest::newRow("accented, lowered")
            << lowered << QStringLiteral("zürich") << false << QStringList{"Delta"};
    }

    void search()
    {
        QFETCH(StationListStyle, style);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(QStringList, listed);
        OwnerHarness h(style);
        auto stations = kStations;
        stations[3].location = u"Zürich";
        QVERIFY(h.load(stations));
        const QString counts = h.status;
        h.prompts.dialogs.push_back(kavrin::search(text, matchCase));
        h.run(ListAction::SearchStart);
        QCOMPARE(h.listed(), listed);
        QCOMPARE(h.status, style.searchShowsStatus ? QStringLiteral("Search results") : counts);
        if (listed.isEmpty()) {
            QCOMPARE(h.prompts.messages, QStringList{"Search results list is empty"});
            QCOMPARE(h.prompts.icons, QList<QMessageBox::Icon>{style.emptySearchIcon});
        } else {
            QVERIFY(h.prompts.messages.isEmpty());
        }
        h.run(ListAction::SearchReset);
        QCOMPARE(h.listed(), kAll);
    }

    void searchMatchesHeldBackByTheFiltersBringNoMessage()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        h.run(ListAction::ModulationCW);
        h.prompts.dialogs.push_back(kavrin::search("alpha", false));
        h.run(ListAction::SearchStart);
        QVERIFY(h.listed().isEmpty());
        QVERIFY(h.prompts.messages.isEmpty());

        h.run(ListAction::ModulationAll);
        h.run(ListAction::SearchStart); // cancelled: the list stays
        QCOMPARE(h.listed(), kAll);
    }

    void userRangeIsSetOnOkOnly()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        h.run(ListAction::RangeSW);
        h.run(ListAction::RangeUser); // cancelled
        QCOMPARE(h.owner.filter().rangeKind, RangeKind::SW);
        QCOMPARE(h.listed(), QStringList({"Charlie", "Foxtrot"}));

        h.prompts.dialogs.push_back([](QDialog& d) {
            auto& range = static_cast<CInputFreqRangeDlg&>(d);
            range.m_low->setText("0.25");
            range.m_high->setText("100");
            range.accept();
            return range.result();
        });
        h.run(ListAction::RangeUser);
        QVERIFY(h.checked(ListAction::RangeUser));
        QVERIFY(!h.checked(ListAction::RangeSW));
        QCOMPARE(h.listed(), QStringList({"Bravo", "Charlie", "Foxtrot", "Delta"}));
        // The bands live in the program's profile.
        QCOMPARE(h.profile.value("Bands/Count").toInt(), 16);
    }

    void anUnreadableFileIsKeptBeforeTheFirstSave_data()
    {
        QTest::addColumn<bool>("onTheWorker");
        QTest::newRow("save now") << false;
        QTest::newRow("save on the worker") << true;
    }

    void anUnreadableFileIsKeptBeforeTheFirstSave()
    {
        QFETCH(bool, onTheWorker);
        OwnerHarness h;
        writeBytes(h.stationFile, "<FREQS_LIST><Freq-0 StName=");
        QVERIFY(h.loadFile());
        QCOMPARE(h.prompts.messages.size(), 1);
        QVERIFY(h.prompts.messages[0].startsWith("Cannot read stations list"));
        QVERIFY(h.listed().isEmpty());

        h.prompts.dialogs.push_back(saveStation("New", "7", MOD_AM));
        h.run(ListAction::StationNew);
        if (onTheWorker) {
            bool saved = false;
            QObject::connect(&h.owner, &StationListOwner::saveFinished,
                             [&saved](const Result<>& result) { saved = result.ok(); });
            QSignalSpy finished(&h.owner, &StationListOwner::saveFinished);
            QVERIFY(h.owner.startSaving());
            QVERIFY(finished.wait(10000));
            QVERIFY(saved);
        } else {
            QVERIFY(h.owner.save());
        }
        QVERIFY(!h.owner.isModified());
        QCOMPARE(readBytes(h.folder.file("Stations.xml.bak")),
                 std::string("<FREQS_LIST><Freq-0 StName="));
        ORVImpl saved;
        QVERIFY(saved.Load(h.stationFile));
        QCOMPARE(saved.GetCount(), 1);
        // Kept once: the next save has a readable file to replace.
        QVERIFY(h.owner.save());
        QVERIFY(!std::filesystem::exists(h.folder.file("Stations.xml.bak1")));
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<bool>("otherBytes"); // else the same bytes are written again
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("onTheWorker");
        QTest::addColumn<QStringList>("inTheFile");
        QTest::addColumn<QStringList>("listed");
        const QStringList ours = {"Alpha", "New"};
        const QStringList theirs = {"Other"};
        QTest::newRow("overwrite now") << true << int(QMessageBox::Save) << false << ours << ours;
        QTest::newRow("overwrite on the worker")
            << true << int(QMessageBox::Save) << true << ours << ours;
        QTest::newRow("reload") << true << int(QMessageBox::Discard) << false << theirs << theirs;
        QTest::newRow("cancel on the worker")
            << true << int(QMessageBox::Cancel) << true << theirs << ours;
        QTest::newRow("same bytes again: no question")
            << false << int(QMessageBox::NoButton) << true << ours << ours;
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo()
    {
        QFETCH(bool, otherBytes);
        QFETCH(int, answer);
        QFETCH(bool, onTheWorker);
        QFETCH(QStringList, inTheFile);
        QFETCH(QStringList, listed);
        OwnerHarness h;
        QVERIFY(h.load({{u"Alpha", 0.2, MOD_AM}}));
        h.prompts.dialogs.push_back(saveStation("New", "7", MOD_AM));
        h.run(ListAction::StationNew);
        const std::string loaded = readBytes(h.stationFile);
        if (otherBytes)
            writeTestStations(h.stationFile, {{u"Other", 9.5, MOD_FM}});
        else
            writeBytes(h.stationFile, loaded);
        const FileFingerprint changed = takeFingerprint(h.stationFile);
        const auto save = [&] {
            if (!onTheWorker)
                return h.owner.save().ok();
            QSignalSpy finished(&h.owner, &StationListOwner::saveFinished);
            return h.owner.startSaving().ok() && finished.wait(10000);
        };

        h.prompts.answers = {QMessageBox::StandardButton(answer)};
        const bool saved = save();
        QCOMPARE(saved, answer == QMessageBox::Save || !otherBytes);
        if (otherBytes) {
            QCOMPARE(h.prompts.messages.size(), 1);
            QVERIFY(h.prompts.messages[0].contains(QString::fromStdString(modifiedText(changed)) +
                                                   ", after this window loaded"));
            QCOMPARE(h.prompts.captions[0], QStringLiteral("Warning"));
            QCOMPARE(h.prompts.buttonLabels[0], QStringList({"Overwrite", "Reload", "Cancel"}));
        } else {
            QVERIFY(h.prompts.messages.isEmpty());
        }
        QTRY_VERIFY(!h.owner.isBusy());
        QCOMPARE(namesInFile(h.stationFile), inTheFile);
        QCOMPARE(h.listed(), listed);
        QCOMPARE(h.owner.isModified(), !saved && answer != QMessageBox::Discard);

        // The file as this list last read or wrote it is what the next save compares with.
        h.prompts.dialogs.push_back(saveStation("Next", "8", MOD_AM));
        h.run(ListAction::StationNew);
        h.prompts.messages.clear();
        h.prompts.answers = {QMessageBox::Save};
        QVERIFY(save());
        QCOMPARE(h.prompts.messages.size(), answer == QMessageBox::Cancel ? 1 : 0);
    }

    void aReplacedBaseIsListedOnceTheCommandHasEnded()
    {
        OwnerHarness h;
        QVERIFY(h.load(kStations));
        QSignalSpy loads(&h.owner, &StationListOwner::loadFinished);
        h.owner.replaceBase([](ORVImpl&) { return false; }); // nothing changed: listed at once
        QCOMPARE(h.listed(), kAll);
        QVERIFY(!h.owner.isModified());

        int rowsWhileReplacing = -1;
        h.owner.replaceBase([&](ORVImpl& base) {
            rowsWhileReplacing = h.list->rows().rowCount();
            ORVImpl::FreqInfo only;
            only.stName = u"Imported";
            base.Clear();
            base.Add(only);
            return true;
        });
        QCOMPARE(rowsWhileReplacing, 0); // nothing drawn from a half-made base
        QTRY_COMPARE(h.listed(), QStringList{"Imported"});
        QVERIFY(h.owner.isModified());
        QCOMPARE(h.status, QStringLiteral("1 items in base, 1 displayed"));
        QCOMPARE(loads.size(), 0);
    }
};

QTEST_MAIN(StationListOwnerTest)
#include "StationListOwnerTest.moc"
