#include "ui/dialogs/CRangePropDlg.h"

#include "core/station/FrequencyLimits.h"
#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"
#include "ui/dialogs/RangeInput.h"
#include "ui/platform/Prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kavrin {

CRangePropDlg::CRangePropDlg(const DialogLayout& layout, QWidget* parent)
    : QDialog(parent), m_nameLabel(new QLabel(tr("Range name:"), this)),
      m_name(new QLineEdit(this)), m_lowLabel(new QLabel(tr("Low range, MHz:"), this)),
      m_low(new QLineEdit(this)), m_highLabel(new QLabel(tr("High range, MHz:"), this)),
      m_high(new QLineEdit(this)), m_save(new QPushButton(tr("Save"), this))
{
    setWindowTitle(tr("Range properties"));
    setControlId(m_name, IDC_NAME);
    setControlId(m_low, IDC_LOW);
    setControlId(m_high, IDC_HIGH);
    setControlId(m_save, IDOK);
    m_nameLabel->setBuddy(m_name);
    m_lowLabel->setBuddy(m_low);
    m_highLabel->setBuddy(m_high);
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &CRangePropDlg::accept);
    setTabOrder(m_name, m_low);
    setTabOrder(m_low, m_high);
    setTabOrder(m_high, m_save);
    layout.arrange(*this);
}

QString CRangePropDlg::name() const
{
    return m_name->text();
}

void CRangePropDlg::accept()
{
    const auto range = m_name->text().isEmpty()
                           ? std::nullopt
                           : readRange(m_low->text(), m_high->text(), kHighestFrequency);
    if (!range) {
        prompts().beep();
        return;
    }
    std::tie(m_lowEdge, m_highEdge) = *range;
    QDialog::accept();
}

} // namespace kavrin
