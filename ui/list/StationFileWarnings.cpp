#include "ui/list/StationFileWarnings.h"

#include "core/file/FileFingerprint.h"
#include "ui/platform/Prompts.h"

#include <QCoreApplication>

namespace kavrin {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("StationFileWarnings", text);
}

void warn(QWidget* parent, const QString& text)
{
    prompts().message(parent, text, tr("Warning"), QMessageBox::Warning, QMessageBox::Ok);
}

QString pathText(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

} // namespace

void warnUnreadableStationFile(QWidget* parent, const std::filesystem::path& file,
                               const std::string& why)
{
    warn(parent, tr("Cannot read stations list\n%1\n%2\n\nThe list starts empty. The file is kept "
                    "as a backup before the list is saved over it.")
                     .arg(pathText(file), QString::fromStdString(why)));
}

void warnUnsavedStationFile(QWidget* parent, const std::filesystem::path& file,
                            const std::string& why)
{
    warn(parent,
         tr("Cannot save stations list\n%1\n%2").arg(pathText(file), QString::fromStdString(why)));
}

ChangedFileChoice askAboutChangedStationFile(QWidget* parent, const std::filesystem::path& file,
                                             const FileFingerprint& now)
{
    const QString what =
        now.state == FileFingerprint::State::Present
            ? tr("The stations list file\n%1\nwas changed at %2, after this window loaded or last "
                 "saved it.")
                  .arg(pathText(file), QString::fromStdString(modifiedText(now)))
            : tr("The stations list file\n%1\ncannot be read, so this window cannot tell whether "
                 "it was changed after this window loaded or last saved it.")
                  .arg(pathText(file));
    const QString choices =
        tr("Overwrite: save this window's list over it; the file as it is now is kept in the "
           "Backups folder.\nReload: load the file again; the changes made in this window are "
           "lost.\nCancel: save nothing now.");
    const auto answer = prompts().choose(parent, what + QStringLiteral("\n\n") + choices,
                                         tr("Warning"), QMessageBox::Warning,
                                         {{QMessageBox::Save, tr("Overwrite")},
                                          {QMessageBox::Discard, tr("Reload")},
                                          {QMessageBox::Cancel, tr("Cancel")}});
    switch (answer) {
    case QMessageBox::Save:
        return ChangedFileChoice::Overwrite;
    case QMessageBox::Discard:
        return ChangedFileChoice::Reload;
    default:
        return ChangedFileChoice::Cancel;
    }
}

} // namespace kavrin
