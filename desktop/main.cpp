#include "desktop/COrvaleApp.h"
#include "desktop/StationFileClaim.h"
#include "ui/platform/StationFileFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>

using namespace kavrin;
using namespace kavrin::orvale;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kavrin"));
    QApplication::setApplicationName(QStringLiteral("Orvale"));
    QApplication::setApplicationVersion(QStringLiteral(KAVRIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.kavrin.Orvale"));

    const QString executable = QApplication::applicationFilePath();
    const StationFilePlace place = programStationFilePlace(executable);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Orvale, the Kavrin station manager.\nStation file: %1")
            .arg(QDir::toNativeSeparators(QString::fromStdU16String(place.file.u16string()))));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral(
            "Save a picture of the window to <file> once the list is filled, then quit."),
        QStringLiteral("file"));
    options.addOption(screenshot);
    options.process(application);

    QSettings profile(QStringLiteral("Kavrin"), QStringLiteral("Orvale"));
    COrvaleApp orvale(profile, executable);
    // Held until the program ends; the system lets go of it if the program dies.
    StationFileLock lock;
    if (!claimStationFile(lock, place.file))
        return 1;
    orvale.start();
    if (options.isSet(screenshot))
        orvale.quitWithScreenshot(options.value(screenshot));
    return QApplication::exec();
}
