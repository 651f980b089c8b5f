#include "desktop/COrvaleApp.h"
#include "desktop/StationFileClaim.h"

#include <QApplication>
#include <QCommandLineParser>

using namespace kavrin;
using namespace kavrin::orvale;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kavrin"));
    QApplication::setApplicationName(QStringLiteral("Orvale"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Orvale, the Kavrin station manager"));
    options.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral(
            "Save a picture of the window to <file> once the list is filled, then quit."),
        QStringLiteral("file"));
    options.addOption(screenshot);
    options.process(application);

    // Held until the program ends; the system lets go of it if the program dies.
    StationFileLock lock;
    if (!claimStationFile(lock, COrvaleApp::stationFilePath()))
        return 1;

    COrvaleApp orvale;
    orvale.start();
    if (options.isSet(screenshot))
        orvale.quitWithScreenshot(options.value(screenshot));
    return QApplication::exec();
}
