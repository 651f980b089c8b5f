#include "handheld/CTavrelApp.h"

#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelDlg.h"
#include "ui/platform/LocaleHourText.h"
#include "ui/platform/StationFileFolder.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

namespace kavrin::tavrel {

CTavrelApp::CTavrelApp(QSettings& profile, QString executablePath)
    : m_profile(profile), m_place(programStationFilePlace(executablePath)),
      m_folder(m_place.installed
                   ? QString::fromStdU16String(m_place.file.parent_path().u16string()) + u'/'
                   : folderOf(executablePath))
{
    makeStationFileFolder(m_place);
}

CTavrelApp::~CTavrelApp() = default;

QString CTavrelApp::folderOf(const QString& executablePath)
{
    for (qsizetype i = executablePath.size() - 1; i > 0; --i) {
        if (executablePath[i] == u'/' || executablePath[i] == u'\\')
            return executablePath.left(i + 1);
    }
    return executablePath.left(1);
}

void CTavrelApp::start()
{
    installLocaleHourFormat();
    m_profile.setValue(QStringLiteral("Main/ExePath"), m_folder);
    m_profile.sync();
    const std::filesystem::path stationFile(
        (m_folder + QStringLiteral("Stations.xml")).toStdU16String());
    m_dialog = std::make_unique<CTavrelDlg>(m_base, stationFile, m_profile);
    QObject::connect(m_dialog.get(), &QDialog::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    m_dialog->move(0, 0);
    m_dialog->show();
}

void CTavrelApp::quitWithScreenshot(const QString& file)
{
    QObject::connect(m_dialog.get(), &CTavrelDlg::workerFinished, m_dialog.get(), [this, file] {
        // Let the filled list paint before the picture is taken.
        QTimer::singleShot(300, m_dialog.get(), [this, file] {
            if (m_dialog->list().rows().rowCount() > 0)
                m_dialog->list().selectRow(0);
            const bool saved = m_dialog->grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

} // namespace kavrin::tavrel
