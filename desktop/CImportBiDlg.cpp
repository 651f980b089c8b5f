#include "desktop/CImportBiDlg.h"

#include "ui/dialogs/ControlId.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kavrin::orvale {

CImportBiDlg::CImportBiDlg(QWidget* parent)
    : QDialog(parent), m_info(new QPlainTextEdit(this)),
      m_import(new QPushButton(tr("Import..."), this)),
      m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Import text data"));
    setControlId(m_info, IDC_INFO);
    setControlId(m_import, IDOK);
    setControlId(m_cancel, IDCANCEL);
    m_info->setReadOnly(true);
    m_info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_info->setPlainText(tr("You can import information from Bi Newsletter schedule text file. "
                            "More information can be found here:\r\n"
                            "the schedule's own first lines name its publisher."));
    m_info->setFixedSize(fontMetrics().averageCharWidth() * 52, fontMetrics().lineSpacing() * 5);
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
