#include "core/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelAboutDlg.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

// Frequency order: Alpha One, Bravo, Charlie, Delta.
const std::vector<TestStation> kStations = {
    {u"ALPHA ONE", 0.2, MOD_AM},
    {u"Bravo", 7.1, MOD_USB, -1, -1, u"Alphaville"},
    {u"Charlie", 14.0, MOD_FM},
    {u"Delta", 100.0, MOD_FM},
};

} // namespace

class TavrelCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;

    CTavrelDlg& dialog() { return m_tavrel->dialog(); }

private slots:
    void init()
    {
        m_tavrel = std::make_unique<TavrelHarness>();
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
    }
    void cleanup() { m_tavrel.reset(); }

    void searchLowerCasesTextAndFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("lower case finds capitals")
            << "alpha" << false << QStringList{"ALPHA ONE", "Bravo"};
        QTest::newRow("match case") << "alpha" << true << QStringList{};
        QTest::newRow("match case, capitals") << "ALPHA" << true << QStringList{"ALPHA ONE"};
        QTest::newRow("upper case text") << "CHAR" << false << QStringList{"Charlie"};
    }

    void searchLowerCasesTextAndFields()
    {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(QStringList, listed);
        const QString counts = dialog().statusText();
        m_tavrel->prompts.dialogs.push_back(search(text, matchCase));
        dialog().runCommand(ID_SEARCH_START);
        QCOMPARE(m_tavrel->listedNames(), listed);
        QCOMPARE(dialog().statusText(), counts);
        const QStringList expectedMessages =
            listed.isEmpty() ? QStringList{"Search results list is empty"} : QStringList{};
        QCOMPARE(m_tavrel->prompts.messages, expectedMessages);
    }

    void searchMatchesHiddenByTheFiltersBringNoMessage()
    {
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_FM));
        m_tavrel->prompts.dialogs.push_back(search("alpha", false));
        dialog().runCommand(ID_SEARCH_START);
        QVERIFY(m_tavrel->listedNames().isEmpty());
        QVERIFY(m_tavrel->prompts.messages.isEmpty());
        QCOMPARE(dialog().statusText(), QStringLiteral("4 items in base, 2 displayed"));

        dialog().runCommand(ID_SEARCH_RESET);
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Charlie", "Delta"}));
    }

    void aCancelledSearchKeepsTheList()
    {
        m_tavrel->prompts.dialogs.push_back([](QDialog&) { return int(QDialog::Rejected); });
        dialog().runCommand(ID_SEARCH_START);
        QCOMPARE(m_tavrel->listedNames().size(), 4);
    }

    void aNewStationTheFiltersExcludeIsOnlyInTheBase()
    {
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_FM));
        const QStringList before = m_tavrel->listedNames();
        const QString counts = dialog().statusText();
        m_tavrel->prompts.dialogs.push_back(saveStation("Echo", "3.5", MOD_AM));
        dialog().runCommand(ID_STATION_NEW);
        QCOMPARE(m_tavrel->base.GetCount(), 5);
        QCOMPARE(m_tavrel->listedNames(), before);
        QCOMPARE(dialog().statusText(), counts);
        QCOMPARE(dialog().list().selectedRow(), -1);
        QVERIFY(dialog().isModified());
    }

    void aNewStationThatIsListedIsSelected()
    {
        const QString counts = dialog().statusText();
        m_tavrel->prompts.dialogs.push_back(saveStation("Echo", "3.5", MOD_AM));
        dialog().runCommand(ID_STATION_NEW);
        QCOMPARE(m_tavrel->listedNames(),
                 QStringList({"ALPHA ONE", "Echo", "Bravo", "Charlie", "Delta"}));
        QCOMPARE(dialog().list().selectedRow(), 1);
        QCOMPARE(dialog().statusText(), counts);
    }

    void deletingTheLastRowSelectsTheNewLast()
    {
        m_tavrel->select("Delta");
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        dialog().runCommand(ID_STATION_DELETE);
        QCOMPARE(m_tavrel->prompts.messages.last(),
                 QStringLiteral("Really delete this station from the list?"));
        QCOMPARE(m_tavrel->listedNames(), QStringList({"ALPHA ONE", "Bravo", "Charlie"}));
        QCOMPARE(dialog().list().selectedRow(), 2);
        QVERIFY(m_tavrel->base[3].stName.empty());
        QCOMPARE(dialog().statusText(), QStringLiteral("4 items in base, 4 displayed"));
    }

    void deletingTheOnlyRowLeavesNoSelection()
    {
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_USB));
        QCOMPARE(m_tavrel->listedNames(), QStringList{"Bravo"});
        m_tavrel->select("Bravo");
        m_tavrel->prompts.answers = {QMessageBox::No};
        dialog().runCommand(ID_STATION_DELETE);
        QCOMPARE(m_tavrel->listedNames(), QStringList{"Bravo"});
        QVERIFY(!dialog().isModified());

        m_tavrel->prompts.answers = {QMessageBox::Yes};
        dialog().runCommand(ID_STATION_DELETE);
        QVERIFY(m_tavrel->listedNames().isEmpty());
        QCOMPARE(dialog().list().selectedRow(), -1);
        QVERIFY(!dialog().isEnabled(ID_STATION_DELETE));
        QVERIFY(dialog().isModified());
    }

    void anEditedStationStaysListedUntilRefresh()
    {
        QVERIFY(m_tavrel->choose(IDC_MOD_MENU, ID_MOD_FM));
        m_tavrel->select("Charlie");
        m_tavrel->prompts.dialogs.push_back(saveStation("Charlie", "14.0", MOD_AM));
        dialog().runCommand(ID_STATION_EDIT);
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Charlie", "Delta"}));
        QCOMPARE(m_tavrel->base[2].modulation, int(MOD_AM));
        QVERIFY(QString::fromStdU16String(dialog().list().rows().row(0).summary).contains("AM"));
        QCOMPARE(dialog().list().selectedRow(), 0);
        QCOMPARE(dialog().statusText(), QStringLiteral("4 items in base, 2 displayed"));

        QVERIFY(m_tavrel->choose(IDC_TIME_MENU, ID_TIME_REFRESH));
        QCOMPARE(m_tavrel->listedNames(), QStringList{"Delta"});
    }

    void anEditThatMovesTheRowKeepsItSelected()
    {
        m_tavrel->select("ALPHA ONE");
        m_tavrel->prompts.dialogs.push_back(saveStation("Alpha", "500", MOD_AM));
        dialog().runCommand(ID_STATION_EDIT);
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Bravo", "Charlie", "Delta", "Alpha"}));
        QCOMPARE(dialog().list().selectedRow(), 3);
    }

    void editAndDeleteWithoutASelectionDoNothing()
    {
        dialog().runCommand(ID_STATION_EDIT);
        dialog().runCommand(ID_STATION_DELETE);
        QVERIFY(m_tavrel->prompts.messages.isEmpty());
        QVERIFY(!dialog().isModified());
    }

    void sortingKeepsTheSelectedStationInView()
    {
        TavrelHarness many;
        many.writeStations(manyStations(300));
        QVERIFY(many.start());
        CKavrinListCtrl& list = many.dialog().list();
        list.selectRow(299); // S1000, the highest frequency
        QVERIFY(many.choose(IDC_SORT_MENU, ID_SORT_NAME));
        QCOMPARE(many.listedNames().first(), QStringLiteral("S1000"));
        QCOMPARE(list.selectedRow(), 0);
        QVERIFY(many.choose(IDC_SORT_MENU, ID_SORT_FREQUENCY));
        QCOMPARE(list.selectedRow(), 299);
        QVERIFY(list.viewport()->rect().contains(list.visualRect(list.rows().index(299, 0))));
        QVERIFY(list.hasFocus());
    }

    void userRangeOpensWithTwoDecimalsAndFilters()
    {
        QVERIFY(m_tavrel->choose(IDC_FREQ_MENU, ID_FREQ_SW));
        QStringList shown;
        m_tavrel->prompts.dialogs.push_back([&shown](QDialog& d) {
            auto& range = static_cast<CInputFreqRangeDlg&>(d);
            shown << range.m_low->text() << range.m_high->text();
            range.m_low->setText("7");
            range.m_high->setText("14.5");
            range.accept();
            return range.result();
        });
        QVERIFY(m_tavrel->choose(IDC_FREQ_MENU, ID_FREQ_USER));
        QCOMPARE(shown, QStringList({"3.00", "30.00"}));
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Bravo", "Charlie"}));
        QVERIFY(dialog().isChecked(ID_FREQ_USER));
        QVERIFY(!dialog().isChecked(ID_FREQ_SW));
        // The band list lives in Tavrel's own profile.
        QCOMPARE(m_tavrel->profile.value("Bands/Count").toInt(), 16);
    }

    void aCancelledUserRangeChangesNothing()
    {
        m_tavrel->prompts.dialogs.push_back([](QDialog&) { return int(QDialog::Rejected); });
        QVERIFY(m_tavrel->choose(IDC_FREQ_MENU, ID_FREQ_USER));
        QVERIFY(dialog().isChecked(ID_FREQ_ALL));
        QCOMPARE(m_tavrel->listedNames().size(), 4);
    }

    void aboutRunsTheAboutBox()
    {
        QString title;
        m_tavrel->prompts.dialogs.push_back([&title](QDialog& d) {
            title = d.windowTitle();
            return qobject_cast<CTavrelAboutDlg*>(&d) ? int(QDialog::Accepted) : -1;
        });
        QVERIFY(m_tavrel->choose(IDC_FILE_MENU, ID_APP_ABOUT));
        QCOMPARE(title, QStringLiteral("About Tavrel"));
        QVERIFY(m_tavrel->prompts.dialogs.empty());
    }
};

QTEST_MAIN(TavrelCommandsTest)
#include "TavrelCommandsTest.moc"
