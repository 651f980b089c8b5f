#pragma once

#include "core/ORVImpl.h"

#include <QSettings>

#include <filesystem>
#include <memory>

namespace kavrin::orvale {

class CMainFrame;

// The desktop program: its profile ("Kavrin"/"Orvale"), the station base, and the main frame over
// the station file next to the executable.
class COrvaleApp {
public:
    COrvaleApp();
    ~COrvaleApp();

    // Creates and shows the main window.
    void start();

    // Once the list is filled: saves a picture of the main window to `file` and quits, with
    // exit status 1 when the picture could not be written.
    void quitWithScreenshot(const QString& file);

    // "Stations.xml" in the folder of the running program.
    static std::filesystem::path stationFilePath();

private:
    ORVImpl m_base;
    QSettings m_profile;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace kavrin::orvale
