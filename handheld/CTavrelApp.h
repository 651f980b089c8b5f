#pragma once

#include "core/ORVImpl.h"

#include <QString>

#include <filesystem>
#include <memory>

class QSettings;

namespace kavrin::tavrel {

class CTavrelDlg;

// The handheld program: records the folder of its executable in its profile, where the desktop
// program looks for the handheld's station file, and runs the main dialog over "Stations.xml" in
// that folder. The program ends when the dialog ends.
class CTavrelApp {
public:
    // `profile` is the program's profile ("Tavrel"/"TavrelPPC"); `executablePath` the full path of
    // the running program.
    CTavrelApp(QSettings& profile, QString executablePath);
    ~CTavrelApp();

    // Writes the folder as "ExePath" in group "Main", then creates and shows the main dialog,
    // whose end quits the application's event loop.
    void start();

    // Once the list is filled: saves a picture of the main dialog to `file` and quits, with exit
    // status 1 when the picture could not be written.
    void quitWithScreenshot(const QString& file);

    CTavrelDlg& dialog() const { return *m_dialog; }
    const QString& folder() const { return m_folder; }

    // `executablePath` cut after its last "/" or "\", the separator kept. The first character is
    // never taken for a separator; a path without one leaves that first character alone.
    static QString folderOf(const QString& executablePath);

private:
    ORVImpl m_base;
    QSettings& m_profile;
    QString m_folder;
    std::unique_ptr<CTavrelDlg> m_dialog;
};

} // namespace kavrin::tavrel
