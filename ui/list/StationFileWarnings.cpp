#include "ui/list/StationFileWarnings.h"

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

} // namespace kavrin
