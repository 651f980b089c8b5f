#include "desktop/CAboutDlg.h"

#include "ui/platform/StationFileFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace kavrin::orvale {

CAboutDlg::CAboutDlg(QWidget* parent)
    : CAboutDlg(programStationFilePlace(QCoreApplication::applicationFilePath()), parent)
{
}

CAboutDlg::CAboutDlg(const StationFilePlace& place, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Orvale"));
    auto* texts = new QVBoxLayout;
    texts->addWidget(
        new QLabel(tr("<b>Orvale</b> version %1").arg(QStringLiteral(KAVRIN_VERSION)), this));
    texts->addWidget(new QLabel(tr("Kavrin station manager: your radio stations and their "
                                   "frequencies."),
                                this));
    texts->addWidget(new QLabel(tr("Copyright (C) 2026 the Kavrin developers"), this));
    // A copy run where it was built keeps the file beside itself, as the user knows; an installed
    // one keeps it out of sight, so the box says where.
    if (place.installed) {
        auto* file = new QLabel(
            tr("Station file: %1")
                .arg(QDir::toNativeSeparators(QString::fromStdU16String(place.file.u16string()))),
            this);
        file->setObjectName(QStringLiteral("stationFile"));
        file->setTextFormat(Qt::PlainText);
        file->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(file);
    }
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardPixmap(QStyle::SP_MessageBoxInformation));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kavrin::orvale
