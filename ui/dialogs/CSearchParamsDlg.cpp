#include "ui/dialogs/CSearchParamsDlg.h"

#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"
#include "ui/platform/Prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kavrin {

CSearchParamsDlg::CSearchParamsDlg(const DialogLayout& layout, QWidget* parent)
    : QDialog(parent), m_findLabel(new QLabel(tr("Find what:"), this)),
      m_findWhat(new QLineEdit(this)), m_matchCase(new QCheckBox(tr("Match case"), this)),
      m_ok(new QPushButton(tr("OK"), this)), m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Search parameters"));
    setControlId(m_findWhat, IDC_FIND_WHAT);
    setControlId(m_matchCase, IDC_MATCH_CASE);
    setControlId(m_ok, IDOK);
    setControlId(m_cancel, IDCANCEL);
    m_findLabel->setBuddy(m_findWhat);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSearchParamsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSearchParamsDlg::reject);
    setTabOrder(m_findWhat, m_matchCase);
    setTabOrder(m_matchCase, m_ok);
    setTabOrder(m_ok, m_cancel);
    layout.arrange(*this);
}

QString CSearchParamsDlg::searchText() const
{
    return m_findWhat->text();
}

bool CSearchParamsDlg::matchCase() const
{
    return m_matchCase->isChecked();
}

void CSearchParamsDlg::accept()
{
    if (searchText().isEmpty()) {
        prompts().beep();
        return;
    }
    QDialog::accept();
}

} // namespace kavrin
