#include "core/Modulation.h"
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

    void marksFollowTheFilter_data()
    {
        QTest::addColumn<Ids>("commands");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<Ids>("checked");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("modulation defaults")
            << Ids{} << int(IDC_MOD_MENU) << Ids{ID_MOD_ALL} << kAll;
        QTest::newRow("time defaults")
            << Ids{} << int(IDC_TIME_MENU) << Ids{ID_TIME_ALL, ID_TIME_LOCAL} << kAll;
        QTest::newRow("sort default")
            << Ids{} << int(IDC_SORT_MENU) << Ids{ID_SORT_FREQUENCY} << kAll;
        QTest::newRow("frequency default")
            << Ids{} << int(IDC_FREQ_MENU) << Ids{ID_FREQ_ALL} << kAll;
        QTest::newRow("search has none") << Ids{} << int(IDC_SEARCH_MENU) << Ids{} << kAll;
        QTest::newRow("active and GMT")
            << Ids{ID_TIME_ACTIVE, ID_TIME_GMT} << int(IDC_TIME_MENU)
            << Ids{ID_TIME_ACTIVE, ID_TIME_GMT}
            << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Golf"};
        QTest::newRow("sort by location")
            << Ids{ID_SORT_LOCATION} << int(IDC_SORT_MENU) << Ids{ID_SORT_LOCATION}
            << QStringList{"Alpha", "Bravo", "Charlie", "Foxtrot", "Golf", "Echo", "Delta"};
        QTest::newRow("0.3 MHz is low frequency")
            << Ids{ID_FREQ_LF} << int(IDC_FREQ_MENU) << Ids{ID_FREQ_LF}
            << QStringList{"Alpha", "Bravo"};
        QTest::newRow("but not medium waves")
            << Ids{ID_FREQ_MW} << int(IDC_FREQ_MENU) << Ids{ID_FREQ_MW} << QStringList{};
        QTest::newRow("UHF") << Ids{ID_FREQ_UHF} << int(IDC_FREQ_MENU) << Ids{ID_FREQ_UHF}
                             << QStringList{"Echo", "Golf"};
        QTest::newRow("FM twice: nothing chosen")
            << Ids{ID_MOD_FM, ID_MOD_FM} << int(IDC_MOD_MENU) << Ids{} << QStringList{};
        QTest::newRow("unknown only with all") << Ids{ID_MOD_FM, ID_MOD_FM, ID_MOD_ALL}
                                               << int(IDC_MOD_MENU) << Ids{ID_MOD_ALL} << kAll;
        QTest::newRow("several") << Ids{ID_MOD_AM, ID_MOD_NFM} << int(IDC_MOD_MENU)
                                 << Ids{ID_MOD_AM, ID_MOD_NFM} << QStringList{"Alpha", "Echo"};
    }

    void marksFollowTheFilter()
    {
        QFETCH(Ids, commands);
        QFETCH(int, anchor);
        QFETCH(Ids, checked);
        QFETCH(QStringList, listed);
        const QHash<int, int> anchorOf = {
            {ID_TIME_ACTIVE, IDC_TIME_MENU},   {ID_TIME_GMT, IDC_TIME_MENU},
            {ID_SORT_LOCATION, IDC_SORT_MENU}, {ID_FREQ_LF, IDC_FREQ_MENU},
            {ID_FREQ_MW, IDC_FREQ_MENU},       {ID_FREQ_UHF, IDC_FREQ_MENU},
            {ID_MOD_FM, IDC_MOD_MENU},         {ID_MOD_ALL, IDC_MOD_MENU},
            {ID_MOD_AM, IDC_MOD_MENU},         {ID_MOD_NFM, IDC_MOD_MENU}};
        for (int id : commands)
            QVERIFY(m_tavrel->choose(anchorOf.value(id), id));
        QCOMPARE(look(anchor).checked, checked);
        QCOMPARE(m_tavrel->listedNames(), listed);
        QCOMPARE(m_tavrel->dialog().statusText(),
                 QStringLiteral("7 items in base, %1 displayed").arg(listed.size()));
    }

    void modulationsChosenOneByOneEndInShowAll()
    {
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_FM));
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Bravo", "Delta"}));
        QCOMPARE(look(IDC_MOD_MENU).checked, Ids{ID_MOD_FM});
        const Ids others = {ID_MOD_AM, ID_MOD_NFM, ID_MOD_USB, ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM};
        Ids chosen = {ID_MOD_FM};
        for (int id : others) {
            QVERIFY(m_tavrel->choose(IDC_MOD_MENU, id));
            chosen << id;
            QCOMPARE(look(IDC_MOD_MENU).checked.size(), chosen.size());
        }
        QVERIFY(!m_tavrel->listedNames().contains("Golf"));
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_DIGITAL));
        QCOMPARE(look(IDC_MOD_MENU).checked, Ids{ID_MOD_ALL});
        QCOMPARE(m_tavrel->listedNames(), kAll);
    }

    void editAndDeleteAreGreyedWithoutASelection()
    {
        const Ids stationCommands = {ID_STATION_EDIT, ID_STATION_DELETE};
        QCOMPARE(look(IDC_FILE_MENU).greyed, stationCommands);
        QContextMenuEvent hold(QContextMenuEvent::Mouse, {5, 200}, {5, 200});
        QCoreApplication::sendEvent(m_tavrel->dialog().list().viewport(), &hold);
        QCOMPARE(m_tavrel->menus.back().menuId, int(IDR_MENU_STATION));
        QCOMPARE(m_tavrel->menus.back().at, QPoint(5, 200));
        QCOMPARE(m_tavrel->menus.back().greyed, stationCommands);

        m_tavrel->select("Charlie");
        QCOMPARE(look(IDC_FILE_MENU).greyed, Ids{});
        QCoreApplication::sendEvent(m_tavrel->dialog().list().viewport(), &hold);
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
