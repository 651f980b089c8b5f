#include "core/station/Modulation.h"
#include "desktop/CommandIds.h"
#include "tests/desktop/OrvaleHarness.h"

#include <QAction>
#include <QTest>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

const std::vector<TestStation> kStations = {
    {u"Alpha", 0.2, MOD_AM}, {u"Bravo", 0.3, MOD_FM}, {u"Charlie", 7.1, MOD_USB}};

const std::string kCsvHeader =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;\r\n";

// Windows-1252, CR LF.
const std::string kCsv = kCsvHeader +
                         "5955;0100-0200;Mo-Fr;G;Radio Kestrel;E;ME;/CYP;1;0103;2903\r\n"
                         "11780.5;2330-0450;;B;R\xE1"
                         "dio Clube do Par\xE1;POR;SAm;;1;;\r\n"
                         "16.4;0000-2400;;NOR;Kestrel Time;-TS;Eu;;1;;\r\n";

// The same stations without validity dates.
const std::string kText =
    "Broadcast schedule\n\n"
    "kHz     Time(UTC) Days  ITU Station                  Lang. Target Remarks\n"
    "===========================================================================\n"
    "5955    0100-0200 Mo-Fr G   Radio Kestrel            E     ME     /CYP\n"
    "11780.5 2330-0450       B   R\xE1"
    "dio Clube do Par\xE1      POR   SAm\n"
    "16.4    0000-2400       NOR Kestrel Time             -TS   Eu\n";

const std::string kLateLine = "7325;2500-0100;;F;Late;F;Eu;;1;;\r\n";

std::string repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

constexpr auto kReplace = QMessageBox::YesToAll;
constexpr auto kAdd = QMessageBox::Yes;

} // namespace

class ScheduleImportTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OrvaleHarness> m_orvale;

    bool start()
    {
        m_orvale->writeStations(kStations);
        m_orvale->start();
        return QTest::qWaitFor([&] { return !m_orvale->view().isLoading(); }, 10000);
    }

    QString writeSchedule(const std::string& name, const std::string& bytes)
    {
        const auto file = m_orvale->folder.file(name);
        writeBytes(file, bytes);
        return QString::fromStdString(file.string());
    }

    // Imports `file` through the menu entry; `answers` answer the prompts in turn.
    void import(const QString& file, std::deque<QMessageBox::StandardButton> answers)
    {
        m_orvale->prompts.messages.clear();
        m_orvale->prompts.captions.clear();
        m_orvale->prompts.buttonLabels.clear();
        m_orvale->prompts.answers = std::move(answers);
        if (!file.isEmpty())
            m_orvale->prompts.files.push_back(file);
        m_orvale->frame().action(ID_IMPORT_BROADCAST_SCHEDULE)->trigger();
    }

    void verifyListUnchanged()
    {
        QCOMPARE(m_orvale->base.GetCount(), 3);
        QCOMPARE(m_orvale->listedNames(), QStringList({"Alpha", "Bravo", "Charlie"}));
        QVERIFY(!m_orvale->view().isModified());
    }

private slots:
    void init() { m_orvale = std::make_unique<OrvaleHarness>(); }
    void cleanup() { m_orvale.reset(); }

    void theEntrySitsBesideTheOlderImport()
    {
        QVERIFY(start());
        QAction* entry = m_orvale->frame().action(ID_IMPORT_BROADCAST_SCHEDULE);
        QCOMPARE(entry->text(), QStringLiteral("Shortwave schedule CSV or text file..."));
        QAction* older = m_orvale->frame().action(ID_IMPORT_SCHEDULE);
        QCOMPARE(older->text(), QStringLiteral("Bi shortwave schedule text file..."));
        QCOMPARE(older->associatedObjects(), entry->associatedObjects()); // the Import submenu
    }

    // Each step imports a file and answers the summary; the list, its modified flag and the
    // message with the counts follow.
    void replaceAndAddChangeTheListAsTheySay()
    {
        QVERIFY(start());
        const QString csv = writeSchedule("sked-b25.csv", kCsv);
        const QString text = writeSchedule("bc-freq.txt", kText);
        struct Step {
            const QString& file;
            QMessageBox::StandardButton choice;
            bool savedBefore;
            QString summary; // the start of the summary
            QString counts;
            int inBase;
            bool modified;
        };
        const Step steps[] = {
            {csv, kAdd, false,
             "sked-b25.csv, a schedule in CSV form, holds 3 stations.\n\n"
             "Replace the list: the 3 stations in the list now are removed",
             "3 added, 0 updated, 0 unchanged.", 6, true},
            // The second time changes nothing, and the list stays as saved.
            {csv, kAdd, true,
             "sked-b25.csv, a schedule in CSV form, holds 3 stations.\n\n"
             "Replace the list: the 6 stations",
             "0 added, 0 updated, 3 unchanged.", 6, false},
            // The text has no validity dates: one comment changes.
            {text, kAdd, false, "bc-freq.txt, a schedule in text form, holds 3 stations.",
             "0 added, 1 updated, 2 unchanged.", 6, true},
            {csv, kReplace, true, "sked-b25.csv", "3 stations imported.", 3, true},
        };
        for (const Step& step : steps) {
            if (step.savedBefore)
                QVERIFY(m_orvale->view().saveStations());
            import(step.file, {step.choice});
            QCOMPARE(m_orvale->prompts.messages.size(), 2);
            QVERIFY2(m_orvale->prompts.messages[0].startsWith(step.summary),
                     qPrintable(m_orvale->prompts.messages[0]));
            QCOMPARE(m_orvale->prompts.buttonLabels.value(0),
                     QStringList({"Replace the list", "Add to the list", "Cancel"}));
            QCOMPARE(m_orvale->prompts.messages[1], step.counts);
            QCOMPARE(m_orvale->base.GetCount(), step.inBase);
            QTRY_COMPARE(m_orvale->frame().statusBarText(),
                         QStringLiteral("%1 items in base, %1 displayed").arg(step.inBase));
            QCOMPARE(m_orvale->view().isModified(), step.modified);
        }
        QCOMPARE(m_orvale->listedNames(),
                 QStringList({"Kestrel Time", "Radio Kestrel", "R\u00e1dio Clube do Par\u00e1"}));
    }

    void importsThatChangeNothingLeaveTheList_data()
    {
        QTest::addColumn<QString>("content"); // empty: no such file
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<QStringList>("messages"); // the start of each; %1: the file
        QTest::newRow("no file chosen") << QString::fromLatin1(kCsv) << false << QStringList();
        QTest::newRow("summary cancelled")
            << QString::fromLatin1(kCsv) << true
            << QStringList({"schedule.csv, a schedule in CSV form, holds 3 stations."});
        QTest::newRow("missing file") << QString() << true << QStringList({"Cannot open file\n%1"});
        QTest::newRow("not a schedule")
            << "Shopping list\nmilk\neggs\n"
            << true << QStringList({"Cannot import data - unknown format"});
        QTest::newRow("binary after a header")
            << QString::fromLatin1(kCsvHeader + std::string(5000, '\x01')) << true
            << QStringList({"", "schedule.csv, a schedule in CSV form, holds no station that "
                                "can be read.\n1 line could not be read; it is left out:\n"
                                "    line too long: 1 line\n\nNothing is imported"});
    }

    void importsThatChangeNothingLeaveTheList()
    {
        QFETCH(QString, content);
        QFETCH(bool, chooseFile);
        QFETCH(QStringList, messages);
        QVERIFY(start());
        const auto file = m_orvale->folder.file("schedule.csv");
        const QString name = QString::fromStdString(file.string());
        if (!content.isEmpty())
            writeBytes(file, content.toLatin1().toStdString());
        import(chooseFile ? name : QString(), {});
        QCOMPARE(m_orvale->prompts.messages.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(m_orvale->prompts.messages[i].startsWith(messages[i].arg(name)),
                     qPrintable(m_orvale->prompts.messages[i]));
        verifyListUnchanged();
    }

    // Each listed skipped line gets a box, after ten the offer to stop; the summary counts them
    // all by reason.
    void skippedLinesAreToldAndCounted_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("firstBox");
        QTest::addColumn<QString>("skipped"); // the summary's part about them
        QTest::newRow("two reasons")
            << QString::fromLatin1(kCsv + kLateLine + "1;2;3\r\n") << 2
            << "7325;2500-0100;;F;Late;F;Eu;;1;;\n\ntime out of range"
            << "2 lines could not be read; they are left out:\n    time out of range: 1 line\n"
               "    11 fields expected, 3 found: 1 line";
        QTest::newRow("more than are listed")
            << QString::fromLatin1(kCsv + repeated(kLateLine, 1500)) << 11
            << "7325;2500-0100;;F;Late;F;Eu;;1;;\n\ntime out of range"
            << "1500 lines could not be read; they are left out:\n"
               "    time out of range: 1000 lines\n    other lines: 500";
    }

    void skippedLinesAreToldAndCounted()
    {
        QFETCH(QString, content);
        QFETCH(int, boxes);
        QFETCH(QString, firstBox);
        QFETCH(QString, skipped);
        QVERIFY(start());
        std::deque<QMessageBox::StandardButton> answers(std::min(boxes, 10), QMessageBox::Ok);
        if (boxes > 10)
            answers.push_back(QMessageBox::Yes); // skip the remaining messages
        answers.push_back(QMessageBox::Cancel);
        import(writeSchedule("sked.csv", content.toLatin1().toStdString()), answers);
        const QStringList& shown = m_orvale->prompts.messages;
        QCOMPARE(shown.size(), boxes + 1);
        QCOMPARE(m_orvale->prompts.captions.first(), QStringLiteral("Cannot parse string: 5"));
        QCOMPARE(shown.first(), firstBox);
        if (boxes > 10)
            QVERIFY(shown[10].contains("Skip the messages about the remaining ones?"));
        QCOMPARE(shown.last().section("\n\n", 0, 0),
                 "sked.csv, a schedule in CSV form, holds 3 stations.\n" + skipped);
        verifyListUnchanged();
    }
};

QTEST_MAIN(ScheduleImportTest)
#include "ScheduleImportTest.moc"
