#include "handheld/CTavrelApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

using namespace kavrin;
using namespace kavrin::tavrel;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationName(QStringLiteral("TavrelPPC"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Tavrel, the Kavrin handheld station list"));
    options.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral(
            "Save a picture of the window to <file> once the list is filled, then quit."),
        QStringLiteral("file"));
    options.addOption(screenshot);
    options.process(application);

    QSettings profile(QStringLiteral("Tavrel"), QStringLiteral("TavrelPPC"));
    CTavrelApp tavrel(profile, QApplication::applicationFilePath());
    tavrel.start();
    if (options.isSet(screenshot))
        tavrel.quitWithScreenshot(options.value(screenshot));
    return QApplication::exec();
}
