#include "handheld/CTavrelAboutDlg.h"

#include "handheld/HandheldDialogLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kavrin::tavrel {

CTavrelAboutDlg::CTavrelAboutDlg(QWidget* parent) : QDialog(parent)
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
    layout->addStretch();
    setFixedWidth(220);
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
