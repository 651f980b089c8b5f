#pragma once

#include "core/base/ORVImpl.h"
#include "core/file/StationFilePlace.h"

#include <QString>

#include <filesystem>
#include <memory>

class QSettings;

namespace kavrin::tavrel {

class CTavrelDlg;

// The handheld program: records the folder of its station file in its profile, where the desktop
// program looks for it, and runs the main dialog over "Stations.xml" in that folder. The folder is
// that of the executable, or for an installed copy the application's data folder
// (programStationFilePlace). The program ends when the dialog ends.
class CTavrelApp {
public:
    // `profile` is the program's profile ("Tavrel"/"TavrelPPC"); `executablePath` the full path of
    // the running program. Makes the data folder of an installed copy when it is missing.
    CTavrelApp(QSettings& profile, QString executablePath);
    ~CTavrelApp();

    // Writes the folder as "ExePath" in group "Main", then creates and shows the main dialog,
    // whose end quits the application's event loop.
    void start();

    // Once the list is filled: saves a picture of the main dialog to `file` and quits, with exit
    // status 1 when the picture could not be written.
    void quitWithScreenshot(const QString& file);

    CTavrelDlg& dialog() const { return *m_dialog; }
    // The folder of the station file, with its trailing separator.
    const QString& folder() const { return m_folder; }
    const StationFilePlace& place() const { return m_place; }

    // `executablePath` cut after its last "/" or "\", the separator kept. The first character is
    // never taken for a separator; a path without one leaves that first character alone.
    static QString folderOf(const QString& executablePath);

private:
    ORVImpl m_base;
    QSettings& m_profile;
    StationFilePlace m_place;
    QString m_folder;
    std::unique_ptr<CTavrelDlg> m_dialog;
};

} // namespace kavrin::tavrel
