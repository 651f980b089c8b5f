#include "desktop/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace kavrin::orvale {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Orvale"));
    auto* texts = new QVBoxLayout;
    texts->addWidget(
        new QLabel(tr("<b>Orvale</b> version %1").arg(QStringLiteral(KAVRIN_VERSION)), this));
    texts->addWidget(new QLabel(tr("Kavrin station manager: your radio stations and their "
                                   "frequencies."),
                                this));
    texts->addWidget(new QLabel(tr("Copyright (C) 2026 the Kavrin developers"), this));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardPixmap(QStyle::SP_MessageBoxInformation));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kavrin::orvale
