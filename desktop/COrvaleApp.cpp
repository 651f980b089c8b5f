#include "desktop/COrvaleApp.h"

#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "ui/platform/LocaleHourText.h"

#include <QApplication>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

namespace kavrin::orvale {

COrvaleApp::COrvaleApp(QSettings& profile, const QString& executablePath)
    : m_place(stationFilePlace(executablePath)), m_profile(profile)
{
}

COrvaleApp::~COrvaleApp() = default;

void COrvaleApp::start()
{
    installLocaleHourFormat();
    if (m_place.installed) {
        // A folder that cannot be made is left to the first save, which reports why it failed.
        std::error_code ignored;
        std::filesystem::create_directories(m_place.file.parent_path(), ignored);
    }
    m_frame = std::make_unique<CMainFrame>(m_base, m_profile, m_place.file);
    m_frame->show();
}

void COrvaleApp::quitWithScreenshot(const QString& file)
{
    QObject::connect(&m_frame->view(), &COrvaleView::loadFinished, m_frame.get(), [this, file] {
        // Let the refilled list paint before the picture is taken.
        QTimer::singleShot(300, m_frame.get(), [this, file] {
            m_frame->view().selectRow(0);
            const bool saved = m_frame->grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

StationFilePlace COrvaleApp::stationFilePlace(const QString& executablePath)
{
    return kavrin::stationFilePlace(
        executablePath.toStdU16String(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String());
}

} // namespace kavrin::orvale
