#include "core/station/Modulation.h"
#include "desktop/CImportBiDlg.h"
#include "desktop/CommandIds.h"
#include "tests/desktop/OrvaleHarness.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPropDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

// Frequency order: Alpha, Bravo, Charlie, Foxtrot, Delta, Echo.
const std::vector<TestStation> kStations = {
    {u"Alpha", 0.2, MOD_AM},    {u"Bravo", 0.3, MOD_FM},
    {u"Charlie", 7.1, MOD_USB}, {u"Delta", 100.0, MOD_FM},
    {u"Echo", 433.0, MOD_NFM},  {u"Foxtrot", 14.07, MOD_DIGITAL, 10, 11}, // off the air at noon
};

using Ids = QList<int>;

} // namespace

class OrvaleViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OrvaleHarness> m_orvale;

    bool startWith(const std::vector<TestStation>& stations)
    {
        m_orvale->writeStations(stations);
        m_orvale->start();
        return QTest::qWaitFor([&] { return !m_orvale->view().isLoading(); }, 10000);
    }

private slots:
    void init() { m_orvale = std::make_unique<OrvaleHarness>(); }
    void cleanup() { m_orvale.reset(); }

    void startsWithoutAFile()
    {
        m_orvale->start();
        QCOMPARE(m_orvale->view().statusText(), QStringLiteral("Loading..."));
        QTRY_COMPARE(m_orvale->view().statusText(), QStringLiteral("0 items in base, 0 displayed"));
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("0 items in base, 0 displayed"));
        QVERIFY(m_orvale->prompts.messages.isEmpty());
        QCOMPARE(m_orvale->frame().windowTitle(), QStringLiteral("Kavrin"));
    }

    void fillsTheListFromTheFile()
    {
        QVERIFY(startWith(kStations));
        QCOMPARE(m_orvale->listedNames(),
                 QStringList({"Alpha", "Bravo", "Charlie", "Foxtrot", "Delta", "Echo"}));
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("6 items in base, 6 displayed"));
        QVERIFY(!m_orvale->view().rows().row(3).onAir);
        // Local time is three hours ahead of the stored GMT hours.
        QVERIFY(m_orvale->view().rows().summaryAt(3).contains("13:00-14:00;"));
        QVERIFY(m_orvale->view().rows().row(0).onAir);
    }

    // Each desktop id reaches its command and its mark; the commands themselves are the list
    // owner's.
    void desktopIdsRunTheirCommandsAndShowTheirMarks()
    {
        QVERIFY(startWith(kStations));
        struct Step {
            int id;
            Ids checked;
            Ids unchecked;
            int listed;
        };
        const Step steps[] = {
            {ID_FREQ_LF, {ID_FREQ_LF}, {ID_FREQ_ALL}, 2},
            {ID_FREQ_MW, {ID_FREQ_MW}, {ID_FREQ_LF}, 0},
            {ID_FREQ_SW, {ID_FREQ_SW}, {ID_FREQ_MW}, 2},
            {ID_FREQ_VHF, {ID_FREQ_VHF}, {ID_FREQ_SW}, 1},
            {ID_FREQ_FM, {ID_FREQ_FM}, {ID_FREQ_VHF}, 1},
            {ID_FREQ_UHF, {ID_FREQ_UHF}, {ID_FREQ_FM}, 1},
            {ID_FREQ_ALL, {ID_FREQ_ALL}, {ID_FREQ_UHF, ID_FREQ_USER}, 6},
            {ID_MOD_AM, {ID_MOD_AM}, {ID_MOD_ALL}, 1},
            {ID_MOD_FM, {ID_MOD_AM, ID_MOD_FM}, {}, 3},
            {ID_MOD_NFM, {ID_MOD_NFM}, {}, 4},
            {ID_MOD_USB, {ID_MOD_USB}, {}, 5},
            {ID_MOD_LSB, {ID_MOD_LSB}, {}, 5},
            {ID_MOD_CW, {ID_MOD_CW}, {}, 5},
            {ID_MOD_DRM, {ID_MOD_DRM}, {ID_MOD_DIGITAL}, 5},
            {ID_MOD_DIGITAL, {ID_MOD_ALL}, {ID_MOD_AM, ID_MOD_DIGITAL}, 6},
            {ID_MOD_AM, {ID_MOD_AM}, {ID_MOD_ALL}, 1},
            {ID_MOD_ALL, {ID_MOD_ALL}, {ID_MOD_AM}, 6},
            {ID_TIME_ACTIVE, {ID_TIME_ACTIVE, ID_TIME_TOGGLE_ACTIVE}, {ID_TIME_ALL}, 5},
            {ID_TIME_ALL, {ID_TIME_ALL}, {ID_TIME_ACTIVE, ID_TIME_TOGGLE_ACTIVE}, 6},
            {ID_TIME_TOGGLE_ACTIVE, {ID_TIME_ACTIVE, ID_TIME_TOGGLE_ACTIVE}, {ID_TIME_ALL}, 5},
            {ID_TIME_TOGGLE_ACTIVE, {ID_TIME_ALL}, {ID_TIME_ACTIVE}, 6},
            {ID_TIME_GMT, {ID_TIME_GMT}, {ID_TIME_LOCAL}, 6},
            {ID_TIME_LOCAL, {ID_TIME_LOCAL}, {ID_TIME_GMT}, 6},
            {ID_SORT_NAME, {ID_SORT_NAME}, {ID_SORT_FREQUENCY}, 6},
            {ID_SORT_MODULATION, {ID_SORT_MODULATION}, {ID_SORT_NAME}, 6},
            {ID_SORT_LOCATION, {ID_SORT_LOCATION}, {ID_SORT_MODULATION}, 6},
            {ID_SORT_FREQUENCY, {ID_SORT_FREQUENCY}, {ID_SORT_LOCATION}, 6},
        };
        for (const Step& step : steps) {
            m_orvale->frame().action(step.id)->trigger();
            const QString where = QString::number(step.id);
            QCOMPARE(m_orvale->frame().statusBarText(),
                     QStringLiteral("6 items in base, %1 displayed").arg(step.listed));
            for (int id : step.checked)
                QVERIFY2(m_orvale->frame().action(id)->isChecked(),
                         qPrintable(where + " checks " + QString::number(id)));
            for (int id : step.unchecked)
                QVERIFY2(!m_orvale->frame().action(id)->isChecked(),
                         qPrintable(where + " clears " + QString::number(id)));
        }
    }

    // A very large list is shown in its own order first; its commands, and a close, wait for the
    // other orders, and then the commands work in them.
    void aVeryLargeListWaitsForItsOtherOrders()
    {
        std::vector<TestStation> stations;
        for (int i = 0; i < StationListOwner::kOrdersAfterShowing; ++i) {
            const auto name = QStringLiteral("S%1").arg(StationListOwner::kOrdersAfterShowing - i);
            stations.push_back({name.toStdU16String(), 0.2 + i * 1e-5, MOD_AM});
        }
        m_orvale->writeStations(stations);
        m_orvale->start();
        QVERIFY(QTest::qWaitFor([&] { return m_orvale->view().rows().rowCount() > 0; }, 20000));
        QVERIFY(m_orvale->view().isLoading());
        QVERIFY(!m_orvale->frame().action(ID_SORT_NAME)->isEnabled());
        m_orvale->frame().close();
        QVERIFY(m_orvale->frame().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!m_orvale->view().isLoading(), 20000);
        QTRY_VERIFY(!m_orvale->frame().isVisible());
        QVERIFY(m_orvale->frame().action(ID_SORT_NAME)->isEnabled());
        m_orvale->frame().action(ID_SORT_NAME)->trigger();
        QCOMPARE(m_orvale->listedNames().first(), QStringLiteral("S1"));
    }

    // What the desktop shows of the list owner's commands: the counts after New, "Search
    // results" after a search, and the warning icon when nothing matched.
    void newAndSearchWriteTheStatusBar()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.runCommand(ID_MOD_AM);
        m_orvale->prompts.dialogs.push_back(saveStation("Golf", "9.58", MOD_CW));
        m_orvale->frame().action(ID_STATION_NEW)->trigger();
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("7 items in base, 1 displayed"));

        m_orvale->prompts.dialogs.push_back(search("ha", false));
        m_orvale->frame().action(ID_SEARCH_START)->trigger();
        QCOMPARE(m_orvale->listedNames(), QStringList({"Alpha"}));
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("Search results"));

        m_orvale->prompts.dialogs.push_back(search("HA", true));
        view.runCommand(ID_SEARCH_START);
        QCOMPARE(m_orvale->prompts.messages, QStringList({"Search results list is empty"}));
        QCOMPARE(m_orvale->prompts.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    }

    void editAndDeleteNeedASelectedRow()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        QVERIFY(!m_orvale->frame().action(ID_STATION_EDIT)->isEnabled());
        QVERIFY(!m_orvale->frame().action(ID_STATION_DELETE)->isEnabled());
        view.selectRow(1);
        QVERIFY(m_orvale->frame().action(ID_STATION_EDIT)->isEnabled());
        QVERIFY(m_orvale->frame().action(ID_STATION_DELETE)->isEnabled());
        m_orvale->prompts.answers = {QMessageBox::Yes};
        m_orvale->frame().action(ID_STATION_DELETE)->trigger();
        QCOMPARE(m_orvale->listedNames().size(), 5);
        QVERIFY(view.isModified());
    }

    void doubleClickEditsTheRow()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.selectRow(2);
        m_orvale->prompts.dialogs.push_back(saveStation("Charlie 2", "7.1", MOD_USB));
        emit view.doubleClicked(view.rows().index(2, 0));
        QTRY_VERIFY(m_orvale->base[2].stName == u"Charlie 2");
    }

    void theRangeDialogOpensWithTheRangeInForce()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.runCommand(ID_FREQ_SW);
        QString shown;
        m_orvale->prompts.dialogs.push_back([&shown](QDialog& d) {
            auto& dialog = static_cast<CInputFreqRangeDlg&>(d);
            shown = dialog.m_low->text() + "-" + dialog.m_high->text();
            dialog.m_low->setText("7");
            dialog.m_high->setText("14.1");
            dialog.accept();
            return dialog.result();
        });
        view.runCommand(ID_FREQ_USER);
        QCOMPARE(shown, QStringLiteral("3-30"));
        QCOMPARE(view.filter().rangeKind, RangeKind::User);
        QVERIFY(m_orvale->frame().action(ID_FREQ_USER)->isChecked());
        QCOMPARE(m_orvale->listedNames(), QStringList({"Charlie", "Foxtrot"}));
    }

    void importReplacesTheListAndMarksItModified()
    {
        QVERIFY(startWith(kStations));
        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            const bool explains = d.windowTitle() == "Import text data" &&
                                  static_cast<CImportBiDlg&>(d).m_import->text() == "Import...";
            d.accept();
            return explains ? d.result() : int(QDialog::Rejected);
        });
        m_orvale->prompts.files.push_back(KAVRIN_TEST_DATA_DIR "/schedule-sample.txt");
        m_orvale->frame().action(ID_IMPORT_SCHEDULE)->trigger();
        QTRY_COMPARE(m_orvale->view().statusText(),
                     QStringLiteral("37 items in base, 37 displayed"));
        QVERIFY(m_orvale->view().isModified());
        QCOMPARE(m_orvale->prompts.captions, QStringList({"Cannot parse string: 22"}));
        QVERIFY(m_orvale->prompts.messages[0].contains("Radio Kestrel"));
    }

    void theImportExplanationShowsWhole()
    {
        CImportBiDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.m_info->toPlainText().contains("More information can be found here:"));
        QCOMPARE(dialog.m_info->verticalScrollBar()->maximum(), 0); // nothing hidden to scroll to
    }

    void importOfAFileItCannotUseKeepsTheList_data()
    {
        QTest::addColumn<QString>("content"); // empty: no such file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QString() << "Cannot open file";
        QTest::newRow("not a schedule") << "Shopping list\nmilk\neggs\n"
                                        << "Cannot import data - unknown format";
    }

    void importOfAFileItCannotUseKeepsTheList()
    {
        QFETCH(QString, content);
        QFETCH(QString, message);
        QVERIFY(startWith(kStations));
        const auto file = m_orvale->folder.file("schedule.txt");
        if (!content.isEmpty())
            writeBytes(file, content.toStdString());
        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            d.accept();
            return d.result();
        });
        m_orvale->prompts.files.push_back(QString::fromStdString(file.string()));
        m_orvale->view().runCommand(ID_IMPORT_SCHEDULE);
        QVERIFY(m_orvale->prompts.messages.value(0).startsWith(message));
        QCOMPARE(m_orvale->base.GetCount(), 6);
        QCOMPARE(m_orvale->listedNames().size(), 6);
        QVERIFY(!m_orvale->view().isModified());
    }

    void cancellingTheImportChangesNothing()
    {
        QVERIFY(startWith(kStations));
        m_orvale->view().runCommand(ID_IMPORT_SCHEDULE); // explanation cancelled
        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            d.accept();
            return d.result();
        });
        m_orvale->view().runCommand(ID_IMPORT_SCHEDULE); // no file chosen
        QCOMPARE(m_orvale->base.GetCount(), 6);
        QVERIFY(!m_orvale->view().isModified());
        QVERIFY(m_orvale->prompts.messages.isEmpty());
    }

    void manyBadLinesOfferToStopTheMessages()
    {
        QVERIFY(startWith(kStations));
        std::string schedule = "Schedule\n"
                               "kHz   STATION                 UTC       Su-W    Language    Pow "
                               "Location            ADM Azi Remarks\n";
        for (int i = 0; i < 30; ++i)
            schedule += " 7325 Radio Kestrel           2530-0030 1234567 French      500 "
                        "Issoudun            F   170\n";
        const auto file = m_orvale->folder.file("bad.txt");
        writeBytes(file, schedule);
        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            d.accept();
            return d.result();
        });
        m_orvale->prompts.files.push_back(QString::fromStdString(file.string()));
        m_orvale->prompts.answers = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::Yes};
        m_orvale->view().runCommand(ID_IMPORT_SCHEDULE);
        QCOMPARE(m_orvale->prompts.messages.size(), 11);
        QVERIFY(m_orvale->prompts.messages.last().contains("Skip the messages"));
        QTRY_COMPARE(m_orvale->view().statusText(), QStringLiteral("0 items in base, 0 displayed"));
    }
};

QTEST_MAIN(OrvaleViewTest)
#include "OrvaleViewTest.moc"
