#include "handheld/CTavrelAboutDlg.h"

#include "handheld/HandheldDialogLayout.h"
#include "ui/platform/StationFileFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kavrin::tavrel {

CTavrelAboutDlg::CTavrelAboutDlg(QWidget* parent)
    : CTavrelAboutDlg(programStationFilePlace(QCoreApplication::applicationFilePath()), parent)
{
}

CTavrelAboutDlg::CTavrelAboutDlg(const StationFilePlace& place, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Tavrel"));
    setFont(HandheldDialogLayout::dialogFont());
    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {tr("<b>Tavrel</b> version %1").arg(QStringLiteral(KAVRIN_VERSION)),
          tr("Kavrin station list for the pocket: your radio stations and their frequencies."),
          tr("Copyright (C) 2026 the Kavrin developers")}) {
        auto* label = new QLabel(line, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    // An installed copy keeps its file out of sight, so the box says where. The path may break
    // after any separator to fit the narrow screen.
    if (place.installed) {
        QString path = QDir::toNativeSeparators(QString::fromStdU16String(place.file.u16string()));
        path.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
        auto* file = new QLabel(tr("Station file: %1").arg(path), this);
        file->setObjectName(QStringLiteral("stationFile"));
        file->setTextFormat(Qt::PlainText);
        file->setWordWrap(true);
        layout->addWidget(file);
    }
    layout->addStretch();
    setFixedWidth(220);
    // Word-wrapped lines need the height for that width, which a window's size hint leaves out.
    setMinimumHeight(heightForWidth(220));
}

void CTavrelAboutDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kavrin::tavrel
