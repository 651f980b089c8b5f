#include "core/station/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"

#include <QContextMenuEvent>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

using Ids = QList<int>;

// Frequency order: Alpha, Bravo, Charlie, Foxtrot, Delta, Echo, Golf.
const std::vector<TestStation> kStations = {
    {u"Alpha", 0.2, MOD_AM},
    {u"Bravo", 0.3, MOD_FM},
    {u"Charlie", 7.1, MOD_USB},
    {u"Delta", 100.0, MOD_FM, -1, -1, u"Zurich"},
    {u"Echo", 433.0, MOD_NFM, -1, -1, u"Aberdeen"},
    {u"Foxtrot", 14.07, MOD_DIGITAL, 10, 11}, // off the air at noon
    {u"Golf", 9000.0, MOD_UNKNOWN},
};

const QStringList kAll = {"Alpha", "Bravo", "Charlie", "Foxtrot", "Delta", "Echo", "Golf"};

} // namespace

class TavrelMenusTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;

    // Opens the menu of `anchor` without choosing and returns what it showed.
    OpenedMenu look(int anchor)
    {
        m_tavrel->choose(anchor, 0);
        return m_tavrel->menus.back();
    }

private slots:
    void init()
    {
        m_tavrel = std::make_unique<TavrelHarness>();
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
    }
    void cleanup() { m_tavrel.reset(); }

    void menusHoldTheirItems_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<Ids>("items");
        QTest::newRow("File") << int(IDC_FILE_MENU)
                              << Ids{ID_STATION_NEW, ID_STATION_EDIT, ID_STATION_DELETE, 0,
                                     ID_APP_ABOUT,   ID_APP_EXIT};
        QTest::newRow("Search") << int(IDC_SEARCH_MENU) << Ids{ID_SEARCH_START, ID_SEARCH_RESET};
        QTest::newRow("Time") << int(IDC_TIME_MENU)
                              << Ids{ID_TIME_ALL, ID_TIME_ACTIVE, ID_TIME_REFRESH,
                                     0,           ID_TIME_LOCAL,  ID_TIME_GMT};
        QTest::newRow("Frequency")
            << int(IDC_FREQ_MENU)
            << Ids{ID_FREQ_ALL, 0,          ID_FREQ_LF,  ID_FREQ_MW, ID_FREQ_SW,
                   ID_FREQ_VHF, ID_FREQ_FM, ID_FREQ_UHF, 0,          ID_FREQ_USER};
        QTest::newRow("Modulation")
            << int(IDC_MOD_MENU)
            << Ids{ID_MOD_ALL, 0,          ID_MOD_AM, ID_MOD_FM,  ID_MOD_NFM,
                   ID_MOD_USB, ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL};
        QTest::newRow("Sort") << int(IDC_SORT_MENU)
                              << Ids{ID_SORT_FREQUENCY, ID_SORT_NAME, ID_SORT_MODULATION,
                                     ID_SORT_LOCATION};
    }

    void menusHoldTheirItems()
    {
        QFETCH(int, anchor);
        QFETCH(Ids, items);
        const OpenedMenu menu = look(anchor);
        QCOMPARE(menu.items, items);
        // Under the header strip the whole menu fits the screen (the popup is moved left to stay
        // on it when its anchor is far right).
        QVERIFY2(
            menu.size.width() <= 240 && menu.size.height() <= 320 - 47,
            qPrintable(QStringLiteral("%1 x %2").arg(menu.size.width()).arg(menu.size.height())));
    }

    // Each handheld id reaches its command, and its menu shows the mark; the commands themselves
    // are the list owner's.
    void handheldIdsRunTheirCommandsAndShowTheirMarks()
    {
        struct Step {
            int anchor;
            int id;
            Ids checked; // what the menu then shows checked
            int listed;
        };
        const Step steps[] = {
            {IDC_FREQ_MENU, ID_FREQ_LF, {ID_FREQ_LF}, 2},
            {IDC_FREQ_MENU, ID_FREQ_MW, {ID_FREQ_MW}, 0},
            {IDC_FREQ_MENU, ID_FREQ_SW, {ID_FREQ_SW}, 2},
            {IDC_FREQ_MENU, ID_FREQ_VHF, {ID_FREQ_VHF}, 1},
            {IDC_FREQ_MENU, ID_FREQ_FM, {ID_FREQ_FM}, 1},
            {IDC_FREQ_MENU, ID_FREQ_UHF, {ID_FREQ_UHF}, 2},
            {IDC_FREQ_MENU, ID_FREQ_ALL, {ID_FREQ_ALL}, 7},
            {IDC_MOD_MENU, ID_MOD_AM, {ID_MOD_AM}, 1},
            {IDC_MOD_MENU, ID_MOD_FM, {ID_MOD_AM, ID_MOD_FM}, 3},
            {IDC_MOD_MENU, ID_MOD_NFM, {ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM}, 4},
            {IDC_MOD_MENU, ID_MOD_USB, {ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB}, 5},
            {IDC_MOD_MENU,
             ID_MOD_LSB,
             {ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB},
             5},
            {IDC_MOD_MENU,
             ID_MOD_CW,
             {ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB, ID_MOD_CW},
             5},
            {IDC_MOD_MENU,
             ID_MOD_DRM,
             {ID_MOD_AM, ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM},
             5},
            {IDC_MOD_MENU, ID_MOD_DIGITAL, {ID_MOD_ALL}, 7},
            {IDC_MOD_MENU, ID_MOD_CW, {ID_MOD_CW}, 0},
            {IDC_MOD_MENU, ID_MOD_ALL, {ID_MOD_ALL}, 7},
            {IDC_TIME_MENU, ID_TIME_ACTIVE, {ID_TIME_ACTIVE, ID_TIME_LOCAL}, 6},
            {IDC_TIME_MENU, ID_TIME_GMT, {ID_TIME_ACTIVE, ID_TIME_GMT}, 6},
            {IDC_TIME_MENU, ID_TIME_ALL, {ID_TIME_ALL, ID_TIME_GMT}, 7},
            {IDC_TIME_MENU, ID_TIME_LOCAL, {ID_TIME_ALL, ID_TIME_LOCAL}, 7},
            {IDC_SORT_MENU, ID_SORT_NAME, {ID_SORT_NAME}, 7},
            {IDC_SORT_MENU, ID_SORT_MODULATION, {ID_SORT_MODULATION}, 7},
            {IDC_SORT_MENU, ID_SORT_LOCATION, {ID_SORT_LOCATION}, 7},
            {IDC_SORT_MENU, ID_SORT_FREQUENCY, {ID_SORT_FREQUENCY}, 7},
        };
        for (const Step& step : steps) {
            QVERIFY(m_tavrel->choose(step.anchor, step.id));
            QCOMPARE(look(step.anchor).checked, step.checked);
            QCOMPARE(m_tavrel->dialog().statusText(),
                     QStringLiteral("7 items in base, %1 displayed").arg(step.listed));
        }
        QCOMPARE(look(IDC_SEARCH_MENU).checked, Ids{});
    }

    void editAndDeleteAreGreyedWithoutASelection()
    {
        const Ids stationCommands = {ID_STATION_EDIT, ID_STATION_DELETE};
        QCOMPARE(look(IDC_FILE_MENU).greyed, stationCommands);
        QWidget* rows = m_tavrel->dialog().list().viewport();
        QContextMenuEvent hold(QContextMenuEvent::Mouse, {5, 200},
                               rows->mapToGlobal(QPoint(5, 200)));
        QCoreApplication::sendEvent(rows, &hold);
        QCOMPARE(m_tavrel->menus.back().menuId, int(IDR_MENU_STATION));
        QCOMPARE(m_tavrel->menus.back().at, hold.globalPos());
        QCOMPARE(m_tavrel->menus.back().greyed, stationCommands);

        m_tavrel->select("Charlie");
        QCOMPARE(look(IDC_FILE_MENU).greyed, Ids{});
        QCoreApplication::sendEvent(rows, &hold);
        QCOMPARE(m_tavrel->menus.back().greyed, Ids{});
    }

    void aLongPressOpensTheStationMenuForTheRowPressed()
    {
        CKavrinListCtrl& list = m_tavrel->dialog().list();
        const QRect charlie = list.visualRect(list.rows().index(m_tavrel->rowOf("Charlie"), 0));
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, charlie.center());
        QTRY_COMPARE(m_tavrel->menus.size(), std::size_t(1));
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, charlie.center());
        QCOMPARE(m_tavrel->menus[0].menuId, int(IDR_MENU_STATION));
        QCOMPARE(m_tavrel->menus[0].at, list.viewport()->mapToGlobal(charlie.center()));
        QCOMPARE(list.selectedRow(), m_tavrel->rowOf("Charlie"));

        // The chosen item goes to the dialog.
        m_tavrel->nextChoice = ID_STATION_DELETE;
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, charlie.center());
        QTRY_COMPARE(m_tavrel->menus.size(), std::size_t(2));
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, charlie.center());
        QVERIFY(!m_tavrel->listedNames().contains("Charlie"));
        QVERIFY(m_tavrel->dialog().isModified());
    }

    void aLongPressBelowTheRowsClearsTheSelection()
    {
        CKavrinListCtrl& list = m_tavrel->dialog().list();
        m_tavrel->select("Charlie");
        const QPoint below(20, list.viewport()->height() - 5);
        QVERIFY(!list.indexAt(below).isValid());
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, below);
        QTRY_COMPARE(m_tavrel->menus.size(), std::size_t(1));
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(m_tavrel->menus[0].greyed, Ids({ID_STATION_EDIT, ID_STATION_DELETE}));
        QCOMPARE(list.selectedRow(), -1);
    }

    void aDoubleTapEditsTheStation()
    {
        CKavrinListCtrl& list = m_tavrel->dialog().list();
        const QPoint bravo = list.visualRect(list.rows().index(1, 0)).center();
        m_tavrel->prompts.dialogs.push_back(saveStation("Bravo II", "0.3", MOD_FM));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, bravo);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, bravo);
        QTRY_VERIFY(m_tavrel->listedNames().contains("Bravo II"));
        QVERIFY(m_tavrel->dialog().isModified());
    }
};

QTEST_MAIN(TavrelMenusTest)
#include "TavrelMenusTest.moc"
