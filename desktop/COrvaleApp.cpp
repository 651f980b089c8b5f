#include "desktop/COrvaleApp.h"

#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "ui/platform/LocaleHourText.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

namespace kavrin::orvale {

COrvaleApp::COrvaleApp() : m_profile(QStringLiteral("Kavrin"), QStringLiteral("Orvale")) {}

COrvaleApp::~COrvaleApp() = default;

void COrvaleApp::start()
{
    installLocaleHourFormat();
    m_frame = std::make_unique<CMainFrame>(m_base, m_profile, stationFilePath());
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

std::filesystem::path COrvaleApp::stationFilePath()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()) /
           "Stations.xml";
}

} // namespace kavrin::orvale
