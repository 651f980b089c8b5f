#include "desktop/CImportBiDlg.h"

#include "ui/dialogs/ControlId.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>

namespace kavrin::orvale {

CImportBiDlg::CImportBiDlg(QWidget* parent)
    : QDialog(parent), m_info(new QTextEdit(this)),
      m_import(new QPushButton(tr("Import..."), this)),
      m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Import text data"));
    setControlId(m_info, IDC_INFO);
    setControlId(m_import, IDOK);
    setControlId(m_cancel, IDCANCEL);
    m_info->setReadOnly(true);
    m_info->setAcceptRichText(false);
    m_info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_info->setPlainText(tr("You can import information from Bi Newsletter schedule text file. "
                            "More information can be found here:\r\n"
                            "the schedule's own first lines name its publisher."));
    // As tall as the explanation at the box's width, so no part of it is hidden below the edge.
    m_info->ensurePolished();
    m_info->setFixedWidth(fontMetrics().averageCharWidth() * 52);
    const int frame = 2 * m_info->frameWidth();
    m_info->document()->setTextWidth(m_info->width() - frame -
                                     m_info->verticalScrollBar()->sizeHint().width());
    m_info->setFixedHeight(qCeil(m_info->document()->size().height()) + frame);
    m_import->setDefault(true);
    connect(m_import, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kavrin::orvale
