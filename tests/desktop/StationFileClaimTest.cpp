#include "desktop/StationFileClaim.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"

#include <QTest>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

// Starts "another Orvale" on `file` in a child process: whether it may go on, and what it said.
QString secondOrvale(const std::filesystem::path& file)
{
    const ChildOutcome child = runInChild(
        [&] {
            ScriptedPrompts prompts;
            StationFileLock lock;
            const bool goesOn = claimStationFile(lock, file).ok();
            return (QStringLiteral("%1|%2|%3")
                        .arg(goesOn ? "goes on" : "stops", prompts.captions.join(QLatin1Char(',')),
                             prompts.messages.join(QLatin1Char(','))))
                .toStdString();
        },
        std::chrono::seconds(20));
    return child.answered ? QString::fromStdString(child.output) : QStringLiteral("no answer");
}

} // namespace

class StationFileClaimTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondOrvaleOnTheSameFileSaysSoAndStops()
    {
        TempFolder folder;
        const auto file = folder.file("Stations.xml");
        StationFileLock first;
        QVERIFY(claimStationFile(first, file));
        QVERIFY(first.held());

        const QString second = secondOrvale(file);
        QVERIFY2(second.startsWith(QStringLiteral("stops|Warning|Stations list is already open")),
                 qPrintable(second));
        QVERIFY2(second.contains(QString::fromStdString(file.string())), qPrintable(second));

        first.release();
        QCOMPARE(secondOrvale(file), QStringLiteral("goes on||"));
    }
};

QTEST_MAIN(StationFileClaimTest)
#include "StationFileClaimTest.moc"
