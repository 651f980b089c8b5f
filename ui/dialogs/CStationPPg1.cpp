#include "ui/dialogs/CStationPPg1.h"

#include "core/station/Modulation.h"
#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kavrin {

CStationPPg1::CStationPPg1(const DialogLayout& layout, QWidget* parent)
    : StationPage(parent), m_rxLabel(new QLabel(tr("Frequency, MHz:"), this)),
      m_rx(new QLineEdit(this)), m_txLabel(new QLabel(tr("Frequency for TX, MHz:"), this)),
      m_tx(new QLineEdit(this)), m_locationLabel(new QLabel(tr("Location:"), this)),
      m_location(new QLineEdit(this)), m_commentLabel(new QLabel(tr("Comment:"), this)),
      m_comment(new QPlainTextEdit(this)), m_modulationLabel(new QLabel(tr("Modulation:"), this)),
      m_modulation(new QComboBox(this)),
      m_hint(new QLabel(tr("Hint: you can add several frequency values, semicolon separated, "
                           "for example '1; 1.2; 3'."),
                        this))
{
    setControlId(m_rx, IDC_FREQ_RX);
    setControlId(m_tx, IDC_FREQ_TX);
    setControlId(m_location, IDC_LOCATION);
    setControlId(m_comment, IDC_COMMENT);
    setControlId(m_modulation, IDC_MODULATION);
    m_rxLabel->setBuddy(m_rx);
    m_txLabel->setBuddy(m_tx);
    m_locationLabel->setBuddy(m_location);
    m_commentLabel->setBuddy(m_comment);
    m_modulationLabel->setBuddy(m_modulation);
    m_comment->setTabChangesFocus(true);
    m_hint->setWordWrap(true);
    m_hint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    for (int code : kDialogModulationOrder)
        m_modulation->addItem(QString::fromStdU16String(std::u16string(modulationName(code))),
                              code);
    setTabOrder(m_rx, m_tx);
    setTabOrder(m_tx, m_location);
    setTabOrder(m_location, m_comment);
    setTabOrder(m_comment, m_modulation);
    layout.arrange(*this);
}

void CStationPPg1::load(const ORVImpl::FreqInfo& record)
{
    m_modulation->setCurrentIndex(m_modulation->findData(record.modulation));
    m_location->setText(QString::fromStdU16String(record.stLoc));
    m_comment->setPlainText(QString::fromStdU16String(record.stComment));
    std::u16string rx, tx;
    record.FormatFreqLists(rx, tx);
    m_rx->setText(QString::fromStdU16String(rx));
    m_tx->setText(QString::fromStdU16String(tx));
    // A text longer than its box shows its start, not the end where setting it left the cursor.
    for (QLineEdit* edit : {m_rx, m_tx, m_location})
        edit->setCursorPosition(0);
}

void CStationPPg1::store(ORVImpl::FreqInfo& record) const
{
    record.stComment = m_comment->toPlainText().toStdU16String();
    record.stLoc = m_location->text().toStdU16String();
    record.ParseFreqLists(m_rx->text().toStdU16String(), m_tx->text().toStdU16String());
    record.modulation =
        m_modulation->currentIndex() >= 0 ? m_modulation->currentData().toInt() : MOD_UNKNOWN;
}

} // namespace kavrin
