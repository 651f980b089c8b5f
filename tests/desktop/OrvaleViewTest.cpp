#include "core/Modulation.h"
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
#include <QTest>

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
        const StationRow& foxtrot = m_orvale->view().rows().row(3);
        QVERIFY(!foxtrot.onAir);
        // Local time is three hours ahead of the stored GMT hours.
        QVERIFY(QString::fromStdU16String(foxtrot.summary).contains("13:00-14:00;"));
        QVERIFY(m_orvale->view().rows().row(0).onAir);
    }

    void filterCommandsChangeTheListAndTheMarks_data()
    {
        QTest::addColumn<Ids>("commands");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<Ids>("checked");
        QTest::addColumn<Ids>("unchecked");
        const QStringList all = {"Alpha", "Bravo", "Charlie", "Foxtrot", "Delta", "Echo"};
        QTest::newRow("defaults") << Ids{} << all
                                  << Ids{ID_FREQ_ALL, ID_MOD_ALL, ID_TIME_ALL, ID_TIME_LOCAL,
                                         ID_SORT_FREQUENCY}
                                  << Ids{ID_FREQ_LF, ID_MOD_AM, ID_TIME_ACTIVE, ID_TIME_GMT,
                                         ID_TIME_TOGGLE_ACTIVE};
        QTest::newRow("LF takes 0.3 MHz") << Ids{ID_FREQ_LF} << QStringList{"Alpha", "Bravo"}
                                          << Ids{ID_FREQ_LF} << Ids{ID_FREQ_ALL, ID_FREQ_MW};
        QTest::newRow("MW does not")
            << Ids{ID_FREQ_MW} << QStringList{} << Ids{ID_FREQ_MW} << Ids{ID_FREQ_LF};
        QTest::newRow("SW") << Ids{ID_FREQ_SW} << QStringList{"Charlie", "Foxtrot"}
                            << Ids{ID_FREQ_SW} << Ids{};
        QTest::newRow("VHF") << Ids{ID_FREQ_VHF} << QStringList{"Delta"} << Ids{ID_FREQ_VHF}
                             << Ids{};
        QTest::newRow("FM broadcast")
            << Ids{ID_FREQ_FM} << QStringList{"Delta"} << Ids{ID_FREQ_FM} << Ids{};
        QTest::newRow("UHF") << Ids{ID_FREQ_UHF} << QStringList{"Echo"} << Ids{ID_FREQ_UHF}
                             << Ids{};
        QTest::newRow("back to all")
            << Ids{ID_FREQ_UHF, ID_FREQ_ALL} << all << Ids{ID_FREQ_ALL} << Ids{ID_FREQ_UHF};
        QTest::newRow("AM alone") << Ids{ID_MOD_AM} << QStringList{"Alpha"} << Ids{ID_MOD_AM}
                                  << Ids{ID_MOD_ALL};
        QTest::newRow("AM off again")
            << Ids{ID_MOD_AM, ID_MOD_AM} << QStringList{} << Ids{} << Ids{ID_MOD_AM, ID_MOD_ALL};
        QTest::newRow("FM and NFM")
            << Ids{ID_MOD_FM, ID_MOD_NFM} << QStringList{"Bravo", "Delta", "Echo"}
            << Ids{ID_MOD_FM, ID_MOD_NFM} << Ids{ID_MOD_ALL, ID_MOD_AM};
        QTest::newRow("all eight") << Ids{ID_MOD_AM,  ID_MOD_FM, ID_MOD_NFM, ID_MOD_USB,
                                          ID_MOD_LSB, ID_MOD_CW, ID_MOD_DRM, ID_MOD_DIGITAL}
                                   << all << Ids{ID_MOD_ALL} << Ids{ID_MOD_AM, ID_MOD_DIGITAL};
        QTest::newRow("show all modulations")
            << Ids{ID_MOD_CW, ID_MOD_ALL} << all << Ids{ID_MOD_ALL} << Ids{ID_MOD_CW};
        QTest::newRow("active") << Ids{ID_TIME_ACTIVE}
                                << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo"}
                                << Ids{ID_TIME_ACTIVE, ID_TIME_TOGGLE_ACTIVE} << Ids{ID_TIME_ALL};
        QTest::newRow("toolbar toggle") << Ids{ID_TIME_TOGGLE_ACTIVE}
                                        << QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo"}
                                        << Ids{ID_TIME_ACTIVE} << Ids{ID_TIME_ALL};
        QTest::newRow("toggle twice")
            << Ids{ID_TIME_TOGGLE_ACTIVE, ID_TIME_TOGGLE_ACTIVE} << all << Ids{ID_TIME_ALL}
            << Ids{ID_TIME_ACTIVE, ID_TIME_TOGGLE_ACTIVE};
        QTest::newRow("filters combine") << Ids{ID_MOD_USB, ID_FREQ_SW} << QStringList{"Charlie"}
                                         << Ids{ID_MOD_USB, ID_FREQ_SW} << Ids{};
        QTest::newRow("GMT") << Ids{ID_TIME_GMT} << all << Ids{ID_TIME_GMT} << Ids{ID_TIME_LOCAL};
    }

    void filterCommandsChangeTheListAndTheMarks()
    {
        QFETCH(Ids, commands);
        QFETCH(QStringList, listed);
        QFETCH(Ids, checked);
        QFETCH(Ids, unchecked);
        QVERIFY(startWith(kStations));
        for (int id : commands)
            m_orvale->frame().action(id)->trigger();
        QCOMPARE(m_orvale->listedNames(), listed);
        QCOMPARE(m_orvale->frame().statusBarText(),
                 QStringLiteral("6 items in base, %1 displayed").arg(listed.size()));
        for (int id : checked)
            QVERIFY2(m_orvale->frame().action(id)->isChecked(), qPrintable(QString::number(id)));
        for (int id : unchecked)
            QVERIFY2(!m_orvale->frame().action(id)->isChecked(), qPrintable(QString::number(id)));
    }

    void timeDisplayRewritesTheSummaries()
    {
        QVERIFY(startWith(kStations));
        m_orvale->view().runCommand(ID_TIME_GMT);
        const int foxtrot = m_orvale->rowOf("Foxtrot");
        QVERIFY(QString::fromStdU16String(m_orvale->view().rows().row(foxtrot).summary)
                    .contains("10:00-11:00 GMT;"));
    }

    void sortKeepsTheSelectedStationInView()
    {
        std::vector<TestStation> many;
        for (int i = 0; i < 300; ++i) {
            const std::string name = "S" + std::to_string(1000 + i);
            many.push_back({std::u16string(name.begin(), name.end()), 1000.0 - i, MOD_AM});
        }
        QVERIFY(startWith(many));
        m_orvale->frame().resize(500, 300);
        CKavrinView& view = m_orvale->view();
        view.selectRow(299, false); // S1000, the highest frequency
        QCOMPARE(m_orvale->frame().action(ID_SORT_NAME)->isChecked(), false);
        m_orvale->frame().action(ID_SORT_NAME)->trigger();
        QVERIFY(m_orvale->frame().action(ID_SORT_NAME)->isChecked());
        QCOMPARE(m_orvale->listedNames().first(), QStringLiteral("S1000"));
        QCOMPARE(view.firstSelectedRow(), 0);
        m_orvale->frame().action(ID_SORT_FREQUENCY)->trigger();
        QCOMPARE(view.firstSelectedRow(), 299);
        QVERIFY(view.viewport()->rect().intersects(view.visualRect(view.rows().index(299, 0))));
    }

    void deleteAsksThenSelectsTheNextRow()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        QVERIFY(!m_orvale->frame().action(ID_STATION_DELETE)->isEnabled());
        view.selectRow(1, false);
        QVERIFY(m_orvale->frame().action(ID_STATION_DELETE)->isEnabled());

        m_orvale->prompts.answers = {QMessageBox::No};
        view.runCommand(ID_STATION_DELETE);
        QCOMPARE(m_orvale->prompts.messages.last(),
                 QStringLiteral("Really delete this station from the list?"));
        QCOMPARE(view.rows().rowCount(), 6);
        QVERIFY(!view.isModified());

        m_orvale->prompts.answers = {QMessageBox::Yes};
        view.runCommand(ID_STATION_DELETE);
        QCOMPARE(m_orvale->listedNames(),
                 QStringList({"Alpha", "Charlie", "Foxtrot", "Delta", "Echo"}));
        QVERIFY(m_orvale->base[1].stName.empty());
        QCOMPARE(m_orvale->base.GetCount(), 6);
        QVERIFY(view.isModified());
        QCOMPARE(view.firstSelectedRow(), 1);
        // The status text stays as it was until the next refill.
        QCOMPARE(view.statusText(), QStringLiteral("6 items in base, 6 displayed"));

        view.selectRow(4, false);
        m_orvale->prompts.answers = {QMessageBox::Yes};
        view.runCommand(ID_STATION_DELETE);
        QCOMPARE(view.firstSelectedRow(), 3);

        view.runCommand(ID_TIME_REFRESH);
        QCOMPARE(view.statusText(), QStringLiteral("4 items in base, 4 displayed"));
    }

    void deletingTheOnlyRowLeavesNoSelection()
    {
        QVERIFY(startWith({{u"Only", 7.0, MOD_AM}}));
        COrvaleView& view = m_orvale->view();
        view.selectRow(0, false);
        m_orvale->prompts.answers = {QMessageBox::Yes};
        view.runCommand(ID_STATION_DELETE);
        QCOMPARE(view.rows().rowCount(), 0);
        QCOMPARE(view.firstSelectedRow(), -1);
        QVERIFY(!m_orvale->frame().action(ID_STATION_DELETE)->isEnabled());
    }

    void withTwoRowsSelectedDeleteTakesTheUpperOne()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.selectRow(4, false);
        view.selectRow(2, true);
        m_orvale->prompts.answers = {QMessageBox::Yes};
        view.runCommand(ID_STATION_DELETE);
        QVERIFY(!m_orvale->listedNames().contains("Charlie"));
        QVERIFY(m_orvale->listedNames().contains("Delta"));
    }

    void newStationTheFiltersExcludeIsCountedButNotListed()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.runCommand(ID_MOD_AM);
        m_orvale->prompts.dialogs.push_back(saveStation("Golf", "9.58", MOD_CW));
        m_orvale->frame().action(ID_STATION_NEW)->trigger();
        QCOMPARE(m_orvale->base.GetCount(), 7);
        QVERIFY(m_orvale->base[6].stName == u"Golf");
        QCOMPARE(m_orvale->listedNames(), QStringList({"Alpha"}));
        QCOMPARE(view.statusText(), QStringLiteral("7 items in base, 1 displayed"));
        QVERIFY(view.isModified());

        m_orvale->prompts.dialogs.push_back(saveStation("Hotel", "0.1", MOD_AM));
        view.runCommand(ID_STATION_NEW);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Hotel", "Alpha"}));
        QCOMPARE(view.firstSelectedRow(), 0);
        QCOMPARE(view.statusText(), QStringLiteral("8 items in base, 2 displayed"));

        view.runCommand(ID_STATION_NEW); // cancelled: nothing changes
        QCOMPARE(m_orvale->base.GetCount(), 8);
    }

    void anEditedRowStaysUntilTheNextRefill()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.runCommand(ID_MOD_FM);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Bravo", "Delta"}));
        view.selectRow(1, false);
        m_orvale->prompts.dialogs.push_back(saveStation("Delta AM", "0.05", MOD_AM));
        view.runCommand(ID_STATION_EDIT);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Delta AM", "Bravo"}));
        QCOMPARE(view.firstSelectedRow(), 0);
        QVERIFY(m_orvale->base[3].modulation == MOD_AM);
        QCOMPARE(view.statusText(), QStringLiteral("6 items in base, 2 displayed"));
        view.runCommand(ID_TIME_REFRESH);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Bravo"}));
    }

    void doubleClickEditsTheRow()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.selectRow(2, false);
        m_orvale->prompts.dialogs.push_back(saveStation("Charlie 2", "7.1", MOD_USB));
        emit view.doubleClicked(view.rows().index(2, 0));
        QTRY_VERIFY(m_orvale->base[2].stName == u"Charlie 2");
    }

    void searchShowsMatchesAndSaysWhenNothingMatched()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        m_orvale->prompts.dialogs.push_back(search("HA", false));
        view.runCommand(ID_SEARCH_START);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Alpha", "Charlie"}));
        QCOMPARE(m_orvale->frame().statusBarText(), QStringLiteral("Search results"));
        QVERIFY(m_orvale->prompts.messages.isEmpty());

        m_orvale->prompts.dialogs.push_back(search("HA", true));
        view.runCommand(ID_SEARCH_START);
        QCOMPARE(view.rows().rowCount(), 0);
        QCOMPARE(m_orvale->prompts.messages, QStringList({"Search results list is empty"}));

        // Matches that the filters hold back leave the list empty without a message.
        view.runCommand(ID_MOD_CW);
        m_orvale->prompts.dialogs.push_back(search("ha", false));
        view.runCommand(ID_SEARCH_START);
        QCOMPARE(view.rows().rowCount(), 0);
        QCOMPARE(m_orvale->prompts.messages.size(), 1);

        view.runCommand(ID_SEARCH_RESET);
        QCOMPARE(view.statusText(), QStringLiteral("6 items in base, 0 displayed"));
    }

    void userRangeIsSetOnOkOnly()
    {
        QVERIFY(startWith(kStations));
        COrvaleView& view = m_orvale->view();
        view.runCommand(ID_FREQ_USER); // cancelled
        QCOMPARE(view.filter().rangeKind, RangeKind::All);
        QCOMPARE(m_orvale->listedNames().size(), 6);

        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            auto& dialog = static_cast<CInputFreqRangeDlg&>(d);
            dialog.m_low->setText("7");
            dialog.m_high->setText("14.1");
            dialog.accept();
            return dialog.result();
        });
        view.runCommand(ID_FREQ_USER);
        QCOMPARE(view.filter().rangeKind, RangeKind::User);
        QVERIFY(m_orvale->frame().action(ID_FREQ_USER)->isChecked());
        QVERIFY(!m_orvale->frame().action(ID_FREQ_ALL)->isChecked());
        QCOMPARE(m_orvale->listedNames(), QStringList({"Charlie", "Foxtrot"}));

        // The dialog opens with the range in force, whatever kind is chosen.
        view.runCommand(ID_FREQ_SW);
        m_orvale->prompts.dialogs.push_back([](QDialog& d) {
            auto& dialog = static_cast<CInputFreqRangeDlg&>(d);
            const bool opensWithSw = dialog.m_low->text() == "3" && dialog.m_high->text() == "30";
            dialog.reject();
            return opensWithSw ? int(QDialog::Rejected) : -1;
        });
        view.runCommand(ID_FREQ_USER);
        QCOMPARE(view.filter().rangeKind, RangeKind::SW);
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
