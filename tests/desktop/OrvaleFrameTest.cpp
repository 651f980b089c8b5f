#include "core/station/Modulation.h"
#include "desktop/CPPCTransferDlg.h"
#include "desktop/CommandIds.h"
#include "desktop/WindowPlacement.h"
#include "tests/desktop/OrvaleHarness.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

using Ids = QList<int>;

constexpr int kSubMenu = -1;
constexpr int kUnknown = -2;

} // namespace

class OrvaleFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OrvaleHarness> m_orvale;

    bool startWithStations()
    {
        m_orvale->writeStations({{u"Alpha", 0.2, MOD_AM}, {u"Bravo", 7.0, MOD_USB}});
        m_orvale->start();
        return QTest::qWaitFor([&] { return !m_orvale->view().isLoading(); }, 10000);
    }

    // A scripted transfer dialog: starts the transfer, waits for its end, closes with OK.
    static std::function<int(QDialog&)> runTransfer()
    {
        return [](QDialog& d) {
            auto& dialog = static_cast<CPPCTransferDlg&>(d);
            dialog.startTransfer();
            if (!QTest::qWaitFor([&] { return !dialog.isBusy(); }, 15000))
                return int(QDialog::Rejected);
            dialog.accept();
            return dialog.result();
        };
    }

    // The entries of `actions`: 0 for a separator, kSubMenu for a sub-menu, and for a command the
    // id of `ids` whose action it is (kUnknown for none).
    Ids entriesOf(const QList<QAction*>& actions, const Ids& ids)
    {
        Ids entries;
        for (QAction* entry : actions) {
            int id = entry->isSeparator() ? 0 : entry->menu() ? kSubMenu : kUnknown;
            for (int candidate : ids) {
                if (candidate > 0 && m_orvale->frame().action(candidate) == entry)
                    id = candidate;
            }
            entries << id;
        }
        return entries;
    }

    void deleteFirstStation()
    {
        m_orvale->view().selectRow(0);
        m_orvale->prompts.answers.push_back(QMessageBox::Yes);
        m_orvale->view().runCommand(ID_STATION_DELETE);
    }

private slots:
    void init() { m_orvale = std::make_unique<OrvaleHarness>(); }
    void cleanup() { m_orvale.reset(); }

    void closingUnchangedAsksNothing()
    {
        QVERIFY(startWithStations());
        const std::string before = readBytes(m_orvale->stationFile);
        QVERIFY(m_orvale->frame().close());
        QVERIFY(m_orvale->prompts.messages.isEmpty());
        QCOMPARE(readBytes(m_orvale->stationFile), before);
    }

    void closingChangedAndAnsweringNoKeepsTheFile()
    {
        QVERIFY(startWithStations());
        const std::string before = readBytes(m_orvale->stationFile);
        deleteFirstStation();
        m_orvale->prompts.answers.push_back(QMessageBox::No);
        QVERIFY(m_orvale->frame().close());
        QCOMPARE(m_orvale->prompts.messages.last(),
                 QStringLiteral("Stations list was modified, save it?"));
        QCOMPARE(m_orvale->prompts.captions.last(), QStringLiteral("Warning"));
        QCOMPARE(readBytes(m_orvale->stationFile), before);
    }

    void closingChangedAndDismissingTheQuestionKeepsOrvaleOpen()
    {
        QVERIFY(startWithStations());
        const std::string before = readBytes(m_orvale->stationFile);
        deleteFirstStation();
        m_orvale->prompts.answers.push_back(QMessageBox::Cancel);
        QVERIFY(!m_orvale->frame().close());
        QVERIFY(m_orvale->view().isModified());
        QCOMPARE(readBytes(m_orvale->stationFile), before);
    }

    void closingChangedAndAnsweringYesSaves()
    {
        QVERIFY(startWithStations());
        deleteFirstStation();
        m_orvale->prompts.answers.push_back(QMessageBox::Yes);
        QVERIFY(m_orvale->frame().close());
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("Wait, saving..."));
        ORVImpl saved;
        QVERIFY(saved.Load(m_orvale->stationFile));
        QCOMPARE(saved.GetCount(), 1);
        QVERIFY(saved[0].stName == u"Bravo");
    }

    void aFailedSaveIsReportedAndTheWindowStays()
    {
        QVERIFY(startWithStations());
        deleteFirstStation();
        const std::string before = readBytes(m_orvale->stationFile);
        std::filesystem::permissions(m_orvale->stationFile, std::filesystem::perms::owner_read);
        m_orvale->prompts.answers.push_back(QMessageBox::Yes);
        QVERIFY(!m_orvale->frame().close());
        QVERIFY(m_orvale->frame().isVisible());
        QVERIFY(m_orvale->prompts.messages.last().startsWith("Cannot save stations list"));
        QVERIFY(m_orvale->prompts.messages.last().contains(
            QString::fromStdString(m_orvale->stationFile.string())));
        QCOMPARE(readBytes(m_orvale->stationFile), before);

        // Closing again and declining the save ends the program.
        m_orvale->prompts.answers.push_back(QMessageBox::No);
        QVERIFY(m_orvale->frame().close());
    }

    void closingDuringALoadWaitsForIt()
    {
        std::vector<TestStation> many;
        for (int i = 0; i < 150000; ++i)
            many.push_back({u"Station with a longer name", 1.0 + i * 0.001, MOD_AM});
        m_orvale->writeStations(many);
        m_orvale->start();
        QVERIFY(m_orvale->view().isLoading());
        QVERIFY(!m_orvale->view().isEnabled(ID_TIME_REFRESH));
        // The commands of the window itself do not wait for the list.
        for (int id : {ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
            QVERIFY(m_orvale->frame().action(id)->isEnabled());
        QVERIFY(!m_orvale->frame().close());
        QVERIFY(m_orvale->frame().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!m_orvale->frame().isVisible(), 30000);
        QCOMPARE(m_orvale->view().rows().rowCount(), 150000);
    }

    void destroyingTheWindowDuringALoadDoesNotHang()
    {
        std::vector<TestStation> many(100000, {u"Station", 7.0, MOD_AM});
        m_orvale->writeStations(many);
        m_orvale->start();
        QVERIFY(m_orvale->view().isLoading());
        m_orvale->endFrame();
    }

    void uploadSavesAChangedListFirst()
    {
        QVERIFY(startWithStations());
        deleteFirstStation();
        m_orvale->handheld.setExePath("/device/Tavrel/");
        m_orvale->prompts.dialogs.push_back(runTransfer());
        m_orvale->frame().action(ID_PPC_SAVE)->trigger();
        QVERIFY(!m_orvale->view().isModified());
        const std::string saved = readBytes(m_orvale->stationFile);
        QVERIFY(saved.find("Alpha") == std::string::npos);
        QCOMPARE(m_orvale->handheld.files["/device/Tavrel/Stations.xml"].toStdString(), saved);
        QVERIFY(m_orvale->frame().close());
        QVERIFY(m_orvale->prompts.messages.size() == 1); // the delete question only
    }

    void uploadWithoutAFileSaysSo()
    {
        m_orvale->start();
        QTRY_VERIFY(!m_orvale->view().isLoading());
        m_orvale->view().runCommand(ID_PPC_SAVE);
        QCOMPARE(m_orvale->prompts.messages,
                 QStringList({"Stations list is empty, nothing to send"}));
        QCOMPARE(m_orvale->prompts.captions, QStringList({"Information"}));
        QVERIFY(m_orvale->prompts.dialogs.empty());
    }

    void uploadAfterAFailedSaveSendsNothing()
    {
        QVERIFY(startWithStations());
        deleteFirstStation();
        std::filesystem::permissions(m_orvale->stationFile, std::filesystem::perms::owner_read);
        m_orvale->handheld.setExePath("/device/");
        m_orvale->view().runCommand(ID_PPC_SAVE);
        QVERIFY(m_orvale->prompts.messages.last().startsWith("Cannot save stations list"));
        QVERIFY(m_orvale->view().isModified());
        QVERIFY(m_orvale->handheld.files.count("/device/Stations.xml") == 0);
    }

    void downloadWithUnsavedChangesAsksFirst_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("unchanged: no question")
            << false << int(QMessageBox::NoButton) << QStringList{"From the handheld"};
        QTest::newRow("changed, load anyway")
            << true << int(QMessageBox::Yes) << QStringList{"From the handheld"};
        QTest::newRow("changed, keep them") << true << int(QMessageBox::No) << QStringList{"Bravo"};
    }

    void downloadWithUnsavedChangesAsksFirst()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(QStringList, listed);
        QVERIFY(startWithStations());
        if (changed)
            deleteFirstStation();
        const std::string before = readBytes(m_orvale->stationFile);
        const auto deviceFile = m_orvale->folder.file("device.xml");
        writeTestStations(deviceFile, {{u"From the handheld", 9.5, MOD_AM}});
        m_orvale->handheld.setExePath("/device/");
        m_orvale->handheld.files["/device/Stations.xml"] =
            QByteArray::fromStdString(readBytes(deviceFile));
        m_orvale->prompts.dialogs.push_back(runTransfer());
        m_orvale->prompts.messages.clear();
        if (answer != QMessageBox::NoButton)
            m_orvale->prompts.answers.push_back(QMessageBox::StandardButton(answer));
        m_orvale->view().runCommand(ID_PPC_LOAD);
        QCOMPARE(m_orvale->prompts.messages.size(), changed ? 1 : 0);
        if (changed)
            QVERIFY(m_orvale->prompts.messages[0].startsWith(
                "Stations list was modified and not saved. The list loaded from the Pocket PC "
                "replaces it"));
        QTRY_VERIFY(!m_orvale->view().isLoading());
        QCOMPARE(m_orvale->listedNames(), listed);
        const bool kept = answer == QMessageBox::No;
        QCOMPARE(m_orvale->prompts.dialogs.size(), std::size_t(kept ? 1 : 0));
        QCOMPARE(readBytes(m_orvale->stationFile) == before, kept);
        // Nothing differs from the file received: closing asks nothing.
        QCOMPARE(m_orvale->view().isModified(), kept);
        m_orvale->prompts.messages.clear();
        m_orvale->prompts.answers = {QMessageBox::No};
        QVERIFY(m_orvale->frame().close());
        QCOMPARE(m_orvale->prompts.messages.size(), kept ? 1 : 0);
    }

    void closingOverAFileChangedOnDisk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QStringList>("inTheFile");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("overwrite")
            << int(QMessageBox::Save) << true << QStringList{"Bravo"} << QStringList{"Bravo"};
        QTest::newRow("reload") << int(QMessageBox::Discard) << false << QStringList{"Other"}
                                << QStringList{"Other"};
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << QStringList{"Other"}
                                << QStringList{"Bravo"};
    }

    void closingOverAFileChangedOnDisk()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QStringList, inTheFile);
        QFETCH(QStringList, listed);
        QVERIFY(startWithStations());
        deleteFirstStation();
        writeTestStations(m_orvale->stationFile, {{u"Other", 9.5, MOD_FM}});
        m_orvale->prompts.answers = {QMessageBox::Yes, QMessageBox::StandardButton(answer)};
        QCOMPARE(m_orvale->frame().close(), closed);
        QVERIFY(m_orvale->prompts.messages.last().startsWith("The stations list file"));
        QTRY_VERIFY(!m_orvale->view().isLoading());
        QCOMPARE(namesInFile(m_orvale->stationFile), inTheFile);
        QCOMPARE(m_orvale->listedNames(), listed);
        QCOMPARE(m_orvale->view().isModified(), answer == QMessageBox::Cancel);
        if (!closed)
            QCOMPARE(m_orvale->frame().statusBarText(), m_orvale->view().statusText());
    }

    void placementSurvivesARun()
    {
        QVERIFY(startWithStations());
        m_orvale->frame().setGeometry(120, 140, 520, 410);
        const QRect placed = m_orvale->frame().geometry();
        QVERIFY(m_orvale->frame().close());
        const QByteArray record = m_orvale->profile.value("MainFrame/WP").toByteArray();
        QCOMPARE(record.size(), 44);
        const Result<WindowPlacement> stored = WindowPlacement::fromRecord(record);
        QVERIFY(stored);
        QCOMPARE(stored->normal, placed);
        QCOMPARE(stored->showCommand, int(WindowPlacement::ShowNormal));

        m_orvale->start();
        QCOMPARE(m_orvale->frame().geometry(), placed);

        // Quitting while minimised leaves the stored placement as it was.
        m_orvale->frame().setGeometry(10, 10, 300, 200);
        m_orvale->frame().showMinimized();
        QTRY_VERIFY(m_orvale->frame().isMinimized());
        QTRY_VERIFY(!m_orvale->view().isLoading());
        QVERIFY(m_orvale->frame().close());
        QCOMPARE(m_orvale->profile.value("MainFrame/WP").toByteArray(), record);
    }

    void aPlacementOffEveryScreenMovesOntoTheNearest_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("placed");
        // Two screens side by side: 1920 × 1080, then 1280 × 1024.
        QTest::newRow("on the first") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
        QTest::newRow("partly on the second")
            << QRect(3000, 900, 800, 600) << QRect(3000, 900, 800, 600);
        QTest::newRow("right of both") << QRect(5000, 100, 800, 600) << QRect(2400, 100, 800, 600);
        QTest::newRow("left of both") << QRect(-3000, 200, 800, 600) << QRect(0, 200, 800, 600);
        QTest::newRow("below the second")
            << QRect(2600, 1500, 800, 600) << QRect(2400, 424, 800, 600);
        QTest::newRow("above the first, too big")
            << QRect(-100, -5000, 2500, 1500) << QRect(0, 0, 1920, 1080);
    }

    void aPlacementOffEveryScreenMovesOntoTheNearest()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, placed);
        const QList<QRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        QCOMPARE(placedOnScreen(stored, screens), placed);
    }

    void aStoredPlacementOffTheScreenOpensOnIt()
    {
        WindowPlacement placement;
        placement.normal = QRect(20000, -9000, 400, 300);
        m_orvale->profile.setValue("MainFrame/WP", placement.toRecord());
        QVERIFY(startWithStations());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(m_orvale->frame().geometry()));
        QCOMPARE(m_orvale->frame().size(), QSize(400, 300));
    }

    void placementRecordLayout()
    {
        WindowPlacement placement;
        placement.showCommand = WindowPlacement::ShowMaximized;
        placement.normal = QRect(QPoint(-5, 20), QSize(300, 200));
        const QByteArray record = placement.toRecord();
        QCOMPARE(record.size(), 44);
        QCOMPARE(record.left(4), QByteArray("\x2c\0\0\0", 4));
        QCOMPARE(record.mid(8, 4), QByteArray("\x03\0\0\0", 4));
        QCOMPARE(record.mid(28, 4), QByteArray("\xfb\xff\xff\xff", 4)); // left -5
        QCOMPARE(record.mid(36, 4), QByteArray("\x27\x01\0\0", 4));     // right 295
        const Result<WindowPlacement> back = WindowPlacement::fromRecord(record);
        QVERIFY(back);
        QCOMPARE(back->normal, placement.normal);
        QVERIFY(!WindowPlacement::fromRecord(record.left(40)));
        QByteArray wrongLength = record;
        wrongLength[0] = 40;
        QVERIFY(!WindowPlacement::fromRecord(wrongLength));
    }

    void menusAndToolbarHoldTheirCommands_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<Ids>("entries");
        QTest::newRow("File") << "&File" << Ids{ID_STATION_NEW,    ID_STATION_EDIT,
                                                ID_STATION_DELETE, 0,
                                                kSubMenu,          0,
                                                ID_APP_EXIT};
        QTest::newRow("File/Import")
            << "&File/Import" << Ids{ID_IMPORT_SCHEDULE, ID_IMPORT_BROADCAST_SCHEDULE};
        QTest::newRow("View") << "&View"
                              << Ids{ID_VIEW_TOOLBAR,   ID_VIEW_STATUS_BAR, 0,
                                     ID_SORT_FREQUENCY, ID_SORT_NAME,       ID_SORT_MODULATION,
                                     ID_SORT_LOCATION};
        QTest::newRow("Frequency")
            << "&Frequency" << Ids{ID_FREQ_ALL, 0,          ID_FREQ_LF,  ID_FREQ_MW, ID_FREQ_SW,
                                   ID_FREQ_VHF, ID_FREQ_FM, ID_FREQ_UHF, 0,          ID_FREQ_USER};
        QTest::newRow("Modulation")
            << "&Modulation" << Ids{ID_MOD_ALL, 0,          ID_MOD_AM, ID_MOD_FM,  ID_MOD_NFM,
                                    ID_MOD_USB, ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL};
        QTest::newRow("Search") << "&Search" << Ids{ID_SEARCH_START, ID_SEARCH_RESET};
        QTest::newRow("Time") << "&Time"
                              << Ids{ID_TIME_ALL, ID_TIME_ACTIVE, 0, ID_TIME_LOCAL, ID_TIME_GMT,
                                     0,           ID_TIME_REFRESH};
        QTest::newRow("Pocket PC") << "&Pocket PC" << Ids{ID_PPC_SAVE, ID_PPC_LOAD};
        QTest::newRow("Receiver") << "&Receiver"
                                  << Ids{ID_RECEIVER_TUNE, ID_RECEIVER_FOLLOW, 0,
                                         ID_RECEIVER_SETTINGS};
        QTest::newRow("Help") << "&Help" << Ids{ID_APP_ABOUT};
        const Ids stationsAndRanges = {
            ID_STATION_NEW, ID_STATION_EDIT, 0,          ID_FREQ_ALL, ID_FREQ_LF,   ID_FREQ_MW,
            ID_FREQ_SW,     ID_FREQ_VHF,     ID_FREQ_FM, ID_FREQ_UHF, ID_FREQ_USER, 0};
        const Ids modulations = {ID_MOD_ALL, ID_MOD_AM, ID_MOD_FM,  ID_MOD_NFM,    ID_MOD_USB,
                                 ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL};
        QTest::newRow("toolbar") << ""
                                 << stationsAndRanges + modulations + Ids{0, ID_TIME_TOGGLE_ACTIVE,
                                                                          0, ID_APP_ABOUT,
                                                                          0, ID_RECEIVER_TUNE};
    }

    // The menu bar's menus and the toolbar hold their commands in order; every command has an
    // action, which its entries share.
    void menusAndToolbarHoldTheirCommands()
    {
        QFETCH(QString, place);
        QFETCH(Ids, entries);
        m_orvale->start();
        QList<QAction*> actions =
            place.isEmpty()
                ? m_orvale->frame().findChild<QToolBar*>(QStringLiteral("Toolbar"))->actions()
                : m_orvale->frame().menuBar()->actions();
        for (const QString& title : place.split(u'/', Qt::SkipEmptyParts)) {
            const auto menu = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
                return a->menu() != nullptr && a->text() == title;
            });
            QVERIFY2(menu != actions.end(), qPrintable(title));
            actions = (*menu)->menu()->actions();
        }
        QCOMPARE(entriesOf(actions, entries), entries);
    }

    void menusFollowTheCommandTable()
    {
        QVERIFY(startWithStations());
        QAction* lf = m_orvale->frame().action(ID_FREQ_LF);
        QCOMPARE(lf->text(), QStringLiteral("Low Frequency (less than 300 kHz)"));
        QCOMPARE(lf->statusTip(), lf->text());
        QCOMPARE(m_orvale->frame().action(ID_FREQ_ALL)->toolTip(),
                 QStringLiteral("Show all freqiencies"));
        QCOMPARE(m_orvale->frame().action(ID_TIME_TOGGLE_ACTIVE)->toolTip(),
                 QStringLiteral("Show all/active stations"));
        QAction* toolBar = m_orvale->frame().action(ID_VIEW_TOOLBAR);
        QVERIFY(toolBar->isChecked());
        toolBar->trigger();
        QVERIFY(m_orvale->frame().findChild<QToolBar*>(QStringLiteral("Toolbar"))->isHidden());
        QVERIFY(!toolBar->isChecked());
        m_orvale->frame().action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(m_orvale->frame().statusBar()->isHidden());
    }
};

QTEST_MAIN(OrvaleFrameTest)
#include "OrvaleFrameTest.moc"
