#include "core/file/StationFilePlace.h"
#include "core/station/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelAboutDlg.h"
#include "handheld/CTavrelApp.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"
#include "ui/dialogs/CStationPropDlg.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

const std::vector<TestStation> kStations = {
    {u"Alpha", 0.2, MOD_AM}, {u"Bravo", 7.1, MOD_USB}, {u"Charlie", 100.0, MOD_FM}};

// Makes `file` read-only, or writable again, for its owner.
void setReadOnly(const std::filesystem::path& file, bool readOnly)
{
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_write,
                                 readOnly ? std::filesystem::perm_options::remove
                                          : std::filesystem::perm_options::add);
}

} // namespace

class TavrelLifecycleTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;

    // Deletes the first listed station, which sets the modified flag.
    void changeSomething()
    {
        m_tavrel->dialog().list().selectRow(0);
        m_tavrel->prompts.answers.push_back(QMessageBox::Yes);
        m_tavrel->dialog().runCommand(ID_STATION_DELETE);
        QVERIFY(m_tavrel->dialog().isModified());
    }

private slots:
    void init() { m_tavrel = std::make_unique<TavrelHarness>(); }
    void cleanup() { m_tavrel.reset(); }

    void startsWithoutAFile()
    {
        QVERIFY(m_tavrel->start());
        CTavrelDlg& dialog = m_tavrel->dialog();
        QCOMPARE(dialog.statusText(), QStringLiteral("0 items in base, 0 displayed"));
        QCOMPARE(m_tavrel->prompts.messages, QStringList{"Stations list is empty"});
        QCOMPARE(m_tavrel->prompts.captions, QStringList{"Warning"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kavrin"));
        QCOMPARE(dialog.size(), QSize(240, 320));
    }

    void loadShowsItsProgressThenTheCounts()
    {
        m_tavrel->writeStations(manyStations(120));
        m_tavrel->create();
        QCOMPARE(m_tavrel->dialog().statusText(), QStringLiteral("Ready"));
        QSignalSpy texts(&m_tavrel->dialog(), &CTavrelDlg::statusTextChanged);
        QVERIFY(m_tavrel->start());
        QStringList shown;
        for (const QList<QVariant>& text : texts)
            shown << text.first().toString();
        QCOMPARE(shown.last(), QStringLiteral("120 items in base, 120 displayed"));
        QCOMPARE(shown[shown.size() - 2], QStringLiteral("Loading: 100%. Updating list..."));
        const QRegularExpression loading(QStringLiteral("^Loading: (\\d+)%$"));
        int previous = -1;
        for (const QString& text : shown.mid(0, shown.size() - 2)) {
            const auto match = loading.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            QVERIFY(match.captured(1).toInt() >= previous);
            previous = match.captured(1).toInt();
        }
        QVERIFY(shown.size() > 10);
        QVERIFY(m_tavrel->prompts.messages.isEmpty());
    }

    void unusedRecordsAreNotAnEmptyBase()
    {
        writeBytes(m_tavrel->stationFile,
                   "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n\t<Freq-0 StFreqRX=\"7.1\"/>\n"
                   "</FREQS_LIST>\n");
        QVERIFY(m_tavrel->start());
        QCOMPARE(m_tavrel->base.GetCount(), 1);
        QCOMPARE(m_tavrel->dialog().statusText(), QStringLiteral("0 items in base, 0 displayed"));
        QVERIFY(m_tavrel->prompts.messages.isEmpty());
    }

    void exitWithoutChangesClosesAtOnce()
    {
        m_tavrel->writeStations(kStations);
        const std::string before = readBytes(m_tavrel->stationFile);
        QVERIFY(m_tavrel->start());
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(!m_tavrel->dialog().isVisible());
        QCOMPARE(m_tavrel->dialog().result(), int(QDialog::Accepted));
        QVERIFY(m_tavrel->prompts.messages.isEmpty());
        QCOMPARE(readBytes(m_tavrel->stationFile), before);
    }

    void exitAnsweredNoKeepsTheFile()
    {
        m_tavrel->writeStations(kStations);
        const std::string before = readBytes(m_tavrel->stationFile);
        QVERIFY(m_tavrel->start());
        changeSomething();
        m_tavrel->prompts.answers = {QMessageBox::No};
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QCOMPARE(m_tavrel->prompts.messages.last(),
                 QStringLiteral("Stations list was modified, save it?"));
        QVERIFY(!m_tavrel->dialog().isVisible());
        QCOMPARE(readBytes(m_tavrel->stationFile), before);
    }

    void exitQuestionClosedWithoutAnswerKeepsTheChanges()
    {
        m_tavrel->writeStations(kStations);
        const std::string before = readBytes(m_tavrel->stationFile);
        QVERIFY(m_tavrel->start());
        changeSomething();
        m_tavrel->prompts.answers = {QMessageBox::Cancel};
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(m_tavrel->dialog().isVisible());
        QVERIFY(m_tavrel->dialog().isModified());
        QCOMPARE(readBytes(m_tavrel->stationFile), before);
    }

    void exitAnsweredYesSavesOnTheWorker()
    {
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        changeSomething();
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        QSignalSpy texts(&m_tavrel->dialog(), &CTavrelDlg::statusTextChanged);
        QSignalSpy finished(&m_tavrel->dialog(), &CTavrelDlg::workerFinished);
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(m_tavrel->dialog().isBusy());
        QVERIFY(m_tavrel->dialog().isVisible());
        QVERIFY(finished.wait(10000));
        QVERIFY(!m_tavrel->dialog().isVisible());
        QVERIFY(!m_tavrel->dialog().isModified());
        QVERIFY(!texts.isEmpty());
        QCOMPARE(texts.last().first().toString(), QStringLiteral("Saving: 100%"));
        QCOMPARE(namesInFile(m_tavrel->stationFile), QStringList({"Bravo", "Charlie"}));
    }

    void aFailedSaveIsReportedAndTheDialogStays()
    {
        m_tavrel->writeStations(kStations);
        const std::string before = readBytes(m_tavrel->stationFile);
        QVERIFY(m_tavrel->start());
        changeSomething();
        const QString counts = m_tavrel->dialog().statusText();
        setReadOnly(m_tavrel->stationFile, true);
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        QSignalSpy finished(&m_tavrel->dialog(), &CTavrelDlg::workerFinished);
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(finished.wait(10000));
        QVERIFY(m_tavrel->dialog().isVisible());
        QVERIFY(m_tavrel->dialog().isModified());
        QVERIFY(m_tavrel->prompts.messages.last().startsWith("Cannot save stations list"));
        QCOMPARE(m_tavrel->dialog().statusText(), counts);
        QCOMPARE(readBytes(m_tavrel->stationFile), before);

        setReadOnly(m_tavrel->stationFile, false);
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(finished.wait(10000));
        QVERIFY(!m_tavrel->dialog().isVisible());
        QCOMPARE(namesInFile(m_tavrel->stationFile), QStringList({"Bravo", "Charlie"}));
    }

    void exitSaveOverAFileChangedOnDisk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QStringList>("inTheFile");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("overwrite")
            << int(QMessageBox::Save) << true << QStringList{"Bravo", "Charlie"} << QStringList{};
        QTest::newRow("reload") << int(QMessageBox::Discard) << false << QStringList{"Other"}
                                << QStringList{"Other"};
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << QStringList{"Other"}
                                << QStringList{"Bravo", "Charlie"};
    }

    void exitSaveOverAFileChangedOnDisk()
    {
        QFETCH(int, answer);
        QFETCH(bool, ended);
        QFETCH(QStringList, inTheFile);
        QFETCH(QStringList, listed);
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        changeSomething();
        // The desktop sent its list meanwhile.
        m_tavrel->writeStations({{u"Other", 9.5, MOD_FM}});
        m_tavrel->prompts.answers = {QMessageBox::Yes, QMessageBox::StandardButton(answer)};
        m_tavrel->dialog().runCommand(ID_APP_EXIT);
        QVERIFY(m_tavrel->prompts.messages.last().startsWith("The stations list file"));
        QTRY_VERIFY(!m_tavrel->dialog().isBusy());
        QCOMPARE(m_tavrel->dialog().isVisible(), !ended);
        QCOMPARE(namesInFile(m_tavrel->stationFile), inTheFile);
        if (!ended)
            QCOMPARE(m_tavrel->listedNames(), listed);
        QCOMPARE(m_tavrel->dialog().isModified(), answer == QMessageBox::Cancel);
    }

    void theCloseBoxAndEscGoThroughExit()
    {
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        changeSomething();
        m_tavrel->prompts.answers = {QMessageBox::No};
        m_tavrel->dialog().close();
        QTRY_VERIFY(!m_tavrel->dialog().isVisible());
        QCOMPARE(m_tavrel->prompts.messages.last(),
                 QStringLiteral("Stations list was modified, save it?"));

        TavrelHarness unchanged;
        QVERIFY(unchanged.start());
        const qsizetype messages = unchanged.prompts.messages.size();
        QTest::keyClick(&unchanged.dialog(), Qt::Key_Escape);
        QTRY_VERIFY(!unchanged.dialog().isVisible());
        QCOMPARE(unchanged.prompts.messages.size(), messages);
    }

    // While the save worker waits on a progress notice the dialog runs its handlers, so what
    // the user does then is tried from there.
    void commandsAreRefusedWhileTheWorkerRuns()
    {
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        changeSomething();
        m_tavrel->select("Charlie");
        CTavrelDlg& dialog = m_tavrel->dialog();
        int tried = 0;
        connect(&dialog, &CTavrelDlg::statusTextChanged, this, [&](const QString& text) {
            if (!text.startsWith("Saving:") || tried++ > 0)
                return;
            QVERIFY(dialog.isBusy());
            m_tavrel->tap({10, 30});
            dialog.runCommand(ID_APP_EXIT);
            dialog.runCommand(ID_STATION_EDIT);
            QWidget* viewport = dialog.list().viewport();
            QContextMenuEvent hold(QContextMenuEvent::Mouse, {5, 5},
                                   viewport->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(viewport, &hold);
            QTest::mouseClick(viewport, Qt::LeftButton, {}, {20, 10});
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, {20, 10});
        });
        m_tavrel->prompts.answers = {QMessageBox::Yes};
        // A station dialog that opened would take this handler.
        m_tavrel->prompts.dialogs.push_back([](QDialog&) { return int(QDialog::Rejected); });
        const qsizetype asked = m_tavrel->prompts.messages.size() + 1;
        QSignalSpy finished(&dialog, &CTavrelDlg::workerFinished);
        dialog.runCommand(ID_APP_EXIT);
        QVERIFY(finished.wait(10000));
        QCoreApplication::sendPostedEvents();
        QVERIFY(tried > 0);
        QVERIFY(m_tavrel->menus.empty());
        QCOMPARE(m_tavrel->prompts.messages.size(), asked);
        QCOMPARE(m_tavrel->prompts.dialogs.size(), std::size_t(1));
        QVERIFY(!dialog.isVisible());
    }

    void folderOfCutsAfterTheLastSeparator_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("slashes") << "/opt/kavrin/TavrelPPC"
                                 << "/opt/kavrin/";
        QTest::newRow("backslashes") << "\\Program Files\\Tavrel\\TavrelPPC.exe"
                                     << "\\Program Files\\Tavrel\\";
        QTest::newRow("mixed") << "C:\\Tavrel/bin\\TavrelPPC.exe"
                               << "C:\\Tavrel/bin\\";
        QTest::newRow("root") << "/TavrelPPC"
                              << "/";
        QTest::newRow("no separator") << "TavrelPPC"
                                      << "T";
    }

    void folderOfCutsAfterTheLastSeparator()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(CTavrelApp::folderOf(path), folder);
    }

    void startWritesExePath()
    {
        const QString folder = QString::fromStdString(m_tavrel->folder.path().string()) + "/";
        m_tavrel->profile.setValue("Main/ExePath", "stale");
        CTavrelApp app(m_tavrel->profile, folder + "TavrelPPC");
        app.start();
        QCOMPARE(m_tavrel->profile.value("Main/ExePath").toString(), folder);
        QCOMPARE(app.dialog().stationFilePath(), m_tavrel->stationFile);
        QTRY_COMPARE(app.dialog().statusText(), QStringLiteral("0 items in base, 0 displayed"));
    }

    void anInstalledCopyKeepsItsFileInTheDataFolder()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Tavrel"));
        QCoreApplication::setApplicationName(QStringLiteral("TavrelPPC"));
        const std::filesystem::path root = m_tavrel->folder.path();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((root / "data").string()));
        const InstallLayout layout = installLayout();
        std::filesystem::create_directories(root / layout.data.relative_path());
        std::filesystem::create_directories(root / layout.executables.relative_path());
        const std::filesystem::path data = root / "data" / "Tavrel" / "TavrelPPC";

        CTavrelApp app(m_tavrel->profile,
                       QString::fromStdString(
                           (root / layout.executables.relative_path() / "TavrelPPC").string()));
        app.start();
        QVERIFY(std::filesystem::is_directory(data));
        // Orvale's transfer finds the file through "ExePath".
        QCOMPARE(m_tavrel->profile.value("Main/ExePath").toString(),
                 QString::fromStdString(data.string()) + "/");
        QCOMPARE(app.dialog().stationFilePath(), data / "Stations.xml");
        QTRY_COMPARE(app.dialog().statusText(), QStringLiteral("0 items in base, 0 displayed"));

        CTavrelAboutDlg about(app.place());
        const auto* named = about.findChild<QLabel*>(QStringLiteral("stationFile"));
        QVERIFY(named);
        QCOMPARE(named->text().remove(QChar(0x200B)),
                 "Station file: " + QString::fromStdString((data / "Stations.xml").string()));
        QVERIFY(!CTavrelAboutDlg(StationFilePlace{}).findChild<QLabel*>("stationFile"));
    }
};

QTEST_MAIN(TavrelLifecycleTest)
#include "TavrelLifecycleTest.moc"
