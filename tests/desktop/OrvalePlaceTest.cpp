#include "core/file/StationFilePlace.h"
#include "core/station/Modulation.h"
#include "desktop/CAboutDlg.h"
#include "desktop/CMainFrame.h"
#include "desktop/COrvaleApp.h"
#include "desktop/COrvaleView.h"
#include "desktop/CommandIds.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"

#include <QLabel>
#include <QSettings>
#include <QTest>

using namespace kavrin;
using namespace kavrin::orvale;

// Orvale started as an installed copy and as one run from its build folder, each over a temporary
// folder that stands for the file system and the user's data folder.
class OrvalePlaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Kavrin"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvale"));
    }

    void savesWhereItsCopyKeepsTheFile_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed: the data folder, made at first start") << true;
        QTest::newRow("build folder: beside the program, as before") << false;
    }

    void savesWhereItsCopyKeepsTheFile()
    {
        QFETCH(bool, installed);
        TuesdayNoon clock;
        TempFolder folder;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.file("data").string()));
        // An install tree laid out as this build installs one, below another prefix.
        const InstallLayout layout = installLayout();
        const std::filesystem::path tree = folder.file("tree");
        std::filesystem::create_directories(tree / layout.data.relative_path());
        std::filesystem::create_directories(tree / layout.executables.relative_path());
        const std::filesystem::path build = folder.file("build");
        std::filesystem::create_directories(build / "desktop");

        const std::filesystem::path program =
            installed ? tree / layout.executables.relative_path() / "Orvale"
                      : build / "desktop" / "Orvale";
        const std::filesystem::path expected =
            installed ? folder.file("data") / "Kavrin" / "Orvale" / "Stations.xml"
                      : build / "desktop" / "Stations.xml";
        if (!installed)
            writeTestStations(expected, {{u"Alpha", 0.2, MOD_AM}});

        QSettings profile(QString::fromStdString(folder.file("Orvale.ini").string()),
                          QSettings::IniFormat);
        ScriptedPrompts prompts;
        COrvaleApp app(profile, QString::fromStdString(program.string()));
        QCOMPARE(app.place().file, expected);
        QCOMPARE(app.place().installed, installed);
        app.start();
        QVERIFY(QTest::qWaitFor([&] { return !app.frame().view().isLoading(); }, 10000));
        QCOMPARE(app.frame().view().rows().rowCount(), installed ? 0 : 1);

        prompts.dialogs.push_back(saveStation("Golf", "9.58", MOD_CW));
        app.frame().view().runCommand(ID_STATION_NEW);
        prompts.answers.push_back(QMessageBox::Yes);
        QVERIFY(app.frame().close());
        ORVImpl saved;
        QVERIFY(saved.Load(expected));
        QCOMPARE(saved.GetCount(), installed ? 1 : 2);

        // Only an installed copy, whose file is out of sight, names it in its About box.
        CAboutDlg about(app.place());
        const auto* named = about.findChild<QLabel*>(QStringLiteral("stationFile"));
        QCOMPARE(named != nullptr, installed);
        if (named)
            QVERIFY(named->text().endsWith(QString::fromStdString(expected.string())));
    }
};

QTEST_MAIN(OrvalePlaceTest)
#include "OrvalePlaceTest.moc"
