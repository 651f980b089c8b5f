#include "ui/dialogs/CStationPropDlg.h"

#include "core/system/Clock.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPPg2.h"
#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"
#include "ui/platform/Prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace kavrin {

CStationPropDlg::CStationPropDlg(const ORVImpl::FreqInfo& record, const DialogLayout& layout,
                                 QWidget* parent)
    : QDialog(parent), m_nameLabel(new QLabel(tr("Name:"), this)), m_name(new QLineEdit(this)),
      m_tabs(new QTabWidget(this)), m_page1(new CStationPPg1(layout, m_tabs)),
      m_page2(new CStationPPg2(layout, m_tabs)), m_save(new QPushButton(tr("Save"), this)),
      m_record(record)
{
    setWindowTitle(tr("Station properties"));
    setControlId(m_name, IDC_NAME);
    setControlId(m_tabs, IDC_TABS);
    setControlId(m_save, IDOK);
    m_nameLabel->setBuddy(m_name);
    m_tabs->addTab(m_page1, tr("Main"));
    m_tabs->addTab(m_page2, tr("Working hours"));
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &CStationPropDlg::save);

    m_page1->load(m_record);
    m_page2->load(m_record, readClock().localOffsetSeconds);
    m_name->setText(QString::fromStdU16String(m_record.stName));
    // The name opens selected, as an edit that gets the focus is, but selected from its end back
    // to its start, so that a name longer than the box shows its start.
    m_name->setSelection(static_cast<int>(m_name->text().size()),
                         -static_cast<int>(m_name->text().size()));
    setTabOrder(m_name, m_tabs);
    setTabOrder(m_tabs, m_save);
    layout.arrange(*this);
    m_name->setFocus();
}

void CStationPropDlg::save()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        prompts().message(this, tr("Name field cannot be empty"), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
        m_name->setFocus();
        return;
    }
    ORVImpl::FreqInfo attempt = m_record;
    const std::u16string soundsFolder = attempt.soundsFld; // no control shows it: keep it
    attempt.Reset();
    attempt.stName = name.toStdU16String();
    attempt.soundsFld = soundsFolder;
    m_page1->store(attempt);
    // Hours the lists cannot show stay as stored: start from the station's own.
    attempt.usePattern = m_record.usePattern;
    attempt.fromHour = m_record.fromHour;
    attempt.fromMin = m_record.fromMin;
    attempt.toHour = m_record.toHour;
    attempt.toMin = m_record.toMin;
    m_page2->store(attempt, readClock().localOffsetSeconds);
    if (attempt.CountRX() == 0 && attempt.CountTX() == 0) {
        prompts().message(this, tr("Frequency must be in vaid range"), tr("Warning"),
                          QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    m_record = attempt;
    accept();
}

} // namespace kavrin
