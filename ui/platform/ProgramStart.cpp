#include "ui/platform/ProgramStart.h"

#include "ui/platform/StationFileFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>

namespace kavrin {

namespace {

// The program's options: the help, the version and "--screenshot FILE".
class ProgramOptions {
public:
    explicit ProgramOptions(const ProgramIdentity& identity) : m_identity(identity)
    {
        m_parser.addOption(m_screenshot);
    }

    // Whether `arguments` ask for the help or the version. Read before there is an application,
    // so the window system's own options count as unknown here and do not stop the answer.
    bool askForText(const QStringList& arguments)
    {
        m_parser.parse(arguments);
        return m_parser.isSet(m_help) || m_parser.isSet(kHelpAll) || m_parser.isSet(m_version);
    }

    // Prints the version, or else the help, and ends the process with status 0.
    [[noreturn]] void answer(const QCoreApplication& application)
    {
        describe();
        if (m_parser.isSet(m_version))
            m_parser.showVersion();
        // The help with Qt's options has no function of its own: the parser prints it as it reads
        // the application's command line.
        if (m_parser.isSet(kHelpAll))
            m_parser.process(application);
        m_parser.showHelp(0);
    }

    // Reads the command line of the application there is now; ends the process with the reason
    // when an option is wrong.
    void process(const QCoreApplication& application)
    {
        describe();
        m_parser.process(application);
    }

    std::optional<QString> screenshot() const
    {
        if (!m_parser.isSet(m_screenshot))
            return std::nullopt;
        return m_parser.value(m_screenshot);
    }

private:
    void describe()
    {
        const StationFilePlace place =
            programStationFilePlace(QCoreApplication::applicationFilePath());
        m_parser.setApplicationDescription(
            QStringLiteral("%1\nStation file: %2")
                .arg(QString::fromUtf8(m_identity.description),
                     QDir::toNativeSeparators(QString::fromStdU16String(place.file.u16string()))));
    }

    static inline const QString kHelpAll = QStringLiteral("help-all");

    const ProgramIdentity& m_identity;
    QCommandLineParser m_parser;
    const QCommandLineOption m_help = m_parser.addHelpOption();
    const QCommandLineOption m_version = m_parser.addVersionOption();
    const QCommandLineOption m_screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral(
            "Save a picture of the window to <file> once the list is filled, then quit."),
        QStringLiteral("file")};
};

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int runProgram(int argc, char* argv[], const ProgramIdentity& identity,
               const std::function<int(const ProgramStart& start)>& run)
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(identity.organisation));
    QCoreApplication::setApplicationName(QString::fromUtf8(identity.application));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVRIN_VERSION));
    ProgramOptions options(identity);
    if (options.askForText(argumentsOf(argc, argv))) {
        // A QApplication would need a display; the help and the version need none.
        QCoreApplication textOnly(argc, argv);
        options.answer(textOnly);
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    options.process(application);
    const QString executable = QCoreApplication::applicationFilePath();
    QSettings profile(QCoreApplication::organizationName(), QCoreApplication::applicationName());
    return run({executable, programStationFilePlace(executable), profile, options.screenshot()});
}

} // namespace kavrin
