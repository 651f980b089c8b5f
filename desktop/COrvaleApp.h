#pragma once

#include "core/base/ORVImpl.h"
#include "core/file/StationFilePlace.h"

#include <QString>

#include <memory>

class QSettings;

namespace kavrin::orvale {

class CMainFrame;

// The desktop program: the station base and the main frame over the station file of this copy of
// the program.
class COrvaleApp {
public:
    // `profile` is the program's profile ("Kavrin"/"Orvale"); `executablePath` the full path of
    // the running program, which decides where the station file is (programStationFilePlace).
    // Makes the data folder of an installed copy when it is missing.
    COrvaleApp(QSettings& profile, const QString& executablePath);
    ~COrvaleApp();

    // Creates and shows the main window.
    void start();

    // Once the list is filled: saves a picture of the main window to `file` and quits, with
    // exit status 1 when the picture could not be written.
    void quitWithScreenshot(const QString& file);

    CMainFrame& frame() const { return *m_frame; }
    const StationFilePlace& place() const { return m_place; }

private:
    StationFilePlace m_place;
    ORVImpl m_base;
    QSettings& m_profile;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace kavrin::orvale
