#include "ui/dialogs/CInputFreqRangeDlg.h"

#include "core/list/StationFilter.h"
#include "core/station/FrequencyLimits.h"
#include "ui/dialogs/CRangePropDlg.h"
#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"
#include "ui/dialogs/RangeInput.h"
#include "ui/platform/Prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace kavrin {

CInputFreqRangeDlg::CInputFreqRangeDlg(float low, float high, Profile& profile,
                                       const DialogLayout& layout, QWidget* parent)
    : QDialog(parent), m_lowLabel(new QLabel(tr("Low range, MHz:"), this)),
      m_low(new QLineEdit(this)), m_highLabel(new QLabel(tr("High range, MHz:"), this)),
      m_high(new QLineEdit(this)), m_bandsLabel(new QLabel(tr("Popular bands:"), this)),
      m_bandList(new QListWidget(this)), m_add(new QPushButton(tr("Add"), this)),
      m_del(new QPushButton(tr("Del"), this)), m_reset(new QPushButton(tr("Reset list"), this)),
      m_ok(new QPushButton(tr("OK"), this)), m_profile(profile), m_layout(layout), m_lowEdge(low),
      m_highEdge(high)
{
    setWindowTitle(tr("Input frequency range"));
    setControlId(m_low, IDC_LOW);
    setControlId(m_high, IDC_HIGH);
    setControlId(m_bandList, IDC_BANDS);
    setControlId(m_add, IDC_ADD);
    setControlId(m_del, IDC_DEL);
    setControlId(m_reset, IDC_RESET);
    setControlId(m_ok, IDOK);
    m_lowLabel->setBuddy(m_low);
    m_highLabel->setBuddy(m_high);
    m_bandsLabel->setBuddy(m_bandList);
    for (QPushButton* button : {m_add, m_del, m_reset})
        button->setAutoDefault(false);
    m_ok->setDefault(true);
    connect(m_bandList, &QListWidget::currentRowChanged, this,
            &CInputFreqRangeDlg::showSelectedBand);
    connect(m_add, &QPushButton::clicked, this, &CInputFreqRangeDlg::addBand);
    connect(m_del, &QPushButton::clicked, this, &CInputFreqRangeDlg::deleteBand);
    connect(m_reset, &QPushButton::clicked, this, &CInputFreqRangeDlg::resetBands);
    connect(m_ok, &QPushButton::clicked, this, &CInputFreqRangeDlg::accept);

    m_low->setText(layout.rangeEdgeText(low));
    m_high->setText(layout.rangeEdgeText(high));
    m_bands.Load(m_profile);
    fillBandList();
    setTabOrder(m_low, m_high);
    setTabOrder(m_high, m_bandList);
    setTabOrder(m_bandList, m_add);
    setTabOrder(m_add, m_del);
    setTabOrder(m_del, m_reset);
    setTabOrder(m_reset, m_ok);
    layout.arrange(*this);
}

CInputFreqRangeDlg::~CInputFreqRangeDlg()
{
    m_bands.Save(m_profile);
}

std::optional<CInputFreqRangeDlg::Range> CInputFreqRangeDlg::ask(const StationFilter& filter,
                                                                 Profile& profile,
                                                                 const DialogLayout& layout,
                                                                 QWidget* parent)
{
    CInputFreqRangeDlg dialog(filter.rangeLow, filter.rangeHigh, profile, layout, parent);
    if (prompts().run(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Range{dialog.low(), dialog.high()};
}

void CInputFreqRangeDlg::accept()
{
    const auto range = readRange(m_low->text(), m_high->text(), kHighestRangeEdge);
    if (!range) {
        prompts().beep();
        return;
    }
    std::tie(m_lowEdge, m_highEdge) = *range;
    QDialog::accept();
}

void CInputFreqRangeDlg::fillBandList()
{
    const QSignalBlocker quiet(m_bandList);
    m_bandList->clear();
    for (const BandListItem& item : m_bands.listItems()) {
        auto* entry = new QListWidgetItem(QString::fromStdU16String(item.label), m_bandList);
        entry->setData(Qt::UserRole, item.data);
    }
    m_bandList->setCurrentRow(-1);
}

void CInputFreqRangeDlg::showSelectedBand()
{
    const QListWidgetItem* selected = m_bandList->currentItem();
    if (selected == nullptr)
        return;
    if (const auto edges = m_bands.edgesFor(selected->data(Qt::UserRole).toInt())) {
        m_low->setText(QString::fromStdU16String(edges->low));
        m_high->setText(QString::fromStdU16String(edges->high));
    }
}

void CInputFreqRangeDlg::addBand()
{
    CRangePropDlg band(m_layout, this);
    if (prompts().run(band) != QDialog::Accepted)
        return;
    m_bands.append({band.name().toStdU16String(), band.low(), band.high()});
    fillBandList();
}

void CInputFreqRangeDlg::deleteBand()
{
    const int row = m_bandList->currentRow();
    if (row < 0)
        return;
    if (!m_bands.remove(m_bandList->item(row)->data(Qt::UserRole).toInt())) {
        prompts().beep();
        return;
    }
    const QSignalBlocker quiet(m_bandList);
    delete m_bandList->takeItem(row);
    m_bandList->setCurrentRow(-1);
}

void CInputFreqRangeDlg::resetBands()
{
    m_bands.reset();
    fillBandList();
    const QSignalBlocker quiet(m_bandList);
    m_bandList->setCurrentRow(0);
}

} // namespace kavrin
