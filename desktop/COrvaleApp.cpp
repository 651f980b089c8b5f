#include "desktop/COrvaleApp.h"

#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "ui/platform/LocaleHourText.h"
#include "ui/platform/StationFileFolder.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

namespace kavrin::orvale {

COrvaleApp::COrvaleApp(QSettings& profile, const QString& executablePath)
    : m_place(programStationFilePlace(executablePath)), m_profile(profile)
{
    makeStationFileFolder(m_place);
}

COrvaleApp::~COrvaleApp() = default;

void COrvaleApp::start()
{
    installLocaleHourFormat();
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

} // namespace kavrin::orvale
