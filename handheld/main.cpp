#include "handheld/CTavrelApp.h"
#include "ui/platform/StationFileFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>

using namespace kavrin;
using namespace kavrin::tavrel;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationName(QStringLiteral("TavrelPPC"));
    QApplication::setApplicationVersion(QStringLiteral(KAVRIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.kavrin.Tavrel"));

    const QString executable = QApplication::applicationFilePath();
    const StationFilePlace place = programStationFilePlace(executable);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Tavrel, the Kavrin handheld station list.\nStation file: %1")
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

    QSettings profile(QStringLiteral("Tavrel"), QStringLiteral("TavrelPPC"));
    CTavrelApp tavrel(profile, executable);
    tavrel.start();
    if (options.isSet(screenshot))
        tavrel.quitWithScreenshot(options.value(screenshot));
    return QApplication::exec();
}
