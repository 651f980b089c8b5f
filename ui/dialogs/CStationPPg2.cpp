#include "ui/dialogs/CStationPPg2.h"

#include "core/text/TimeOfDay.h"
#include "ui/dialogs/ControlId.h"
#include "ui/dialogs/DialogLayout.h"
#include "ui/platform/LocaleHourText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kavrin {

namespace {

// Button i (Monday first) shows days[dayOfButton(i)]: the record counts from Sunday.
int dayOfButton(int button)
{
    return (button + 1) % 7;
}

void select(QComboBox* list, int value)
{
    list->setCurrentIndex(list->findData(value));
}

bool allChecked(const std::array<QPushButton*, 7>& buttons)
{
    return std::all_of(buttons.begin(), buttons.end(),
                       [](const QPushButton* button) { return button->isChecked(); });
}

// 0:00–23:59 is the whole day in any time base: it is stored and shown without a shift.
bool isAllDay(int fromHour, int fromMin, int toHour, int toMin)
{
    return fromHour == 0 && fromMin == 0 && toHour == 23 && toMin == 59;
}

} // namespace

CStationPPg2::CStationPPg2(const DialogLayout& layout, QWidget* parent)
    : StationPage(parent), m_fromLabel(new QLabel(tr("From:"), this)),
      m_fromHour(new QComboBox(this)), m_fromHourUnit(new QLabel(tr("h"), this)),
      m_fromMin(new QComboBox(this)), m_fromMinUnit(new QLabel(tr("min"), this)),
      m_toLabel(new QLabel(tr("To:"), this)), m_toHour(new QComboBox(this)),
      m_toHourUnit(new QLabel(tr("h"), this)), m_toMin(new QComboBox(this)),
      m_toMinUnit(new QLabel(tr("min"), this)), m_daysLabel(new QLabel(tr("Working\ndays:"), this)),
      m_useGmt(new QCheckBox(tr("Use GMT"), this))
{
    setControlId(m_fromHour, IDC_FROM_HOUR);
    setControlId(m_fromMin, IDC_FROM_MIN);
    setControlId(m_toHour, IDC_TO_HOUR);
    setControlId(m_toMin, IDC_TO_MIN);
    setControlId(m_useGmt, IDC_USE_GMT);
    m_fromLabel->setBuddy(m_fromHour);
    m_toLabel->setBuddy(m_toHour);
    for (QComboBox* hours : {m_fromHour, m_toHour}) {
        for (int h = 0; h < 24; ++h)
            hours->addItem(localeHourOnlyText(h), h);
    }
    for (QComboBox* minutes : {m_fromMin, m_toMin}) {
        for (int m = 0; m < 60; ++m)
            minutes->addItem(QString::number(m), m);
    }
    const char* const letters[7] = {"M", "T", "W", "T", "F", "S", "S"};
    for (int i = 0; i < 7; ++i) {
        m_days[i] = new QPushButton(tr(letters[i]), this);
        m_days[i]->setCheckable(true);
        m_days[i]->setAutoDefault(false);
        setControlId(m_days[i], IDC_MONDAY + i);
    }
    setTabOrder(m_fromHour, m_fromMin);
    setTabOrder(m_fromMin, m_toHour);
    setTabOrder(m_toHour, m_toMin);
    setTabOrder(m_toMin, m_days[0]);
    for (int i = 0; i < 6; ++i)
        setTabOrder(m_days[i], m_days[i + 1]);
    setTabOrder(m_days[6], m_useGmt);
    layout.arrange(*this);
}

void CStationPPg2::load(const ORVImpl::FreqInfo& record, int localOffsetSeconds)
{
    int fromHour = 0, fromMin = 0, toHour = 23, toMin = 59;
    if (record.usePattern != 0) {
        fromHour = record.fromHour;
        fromMin = record.fromMin;
        toHour = record.toHour;
        toMin = record.toMin;
        const bool inRange = fromHour >= 0 && fromHour < 24 && fromMin >= 0 && fromMin < 60 &&
                             toHour >= 0 && toHour < 24 && toMin >= 0 && toMin < 60;
        if (record.showPropGMT == 0 && inRange && !isAllDay(fromHour, fromMin, toHour, toMin)) {
            shiftTimeOfDay(fromHour, fromMin, localOffsetSeconds);
            shiftTimeOfDay(toHour, toMin, localOffsetSeconds);
        }
    }
    select(m_fromHour, fromHour);
    select(m_fromMin, fromMin);
    select(m_toHour, toHour);
    select(m_toMin, toMin);
    m_useGmt->setChecked(record.showPropGMT != 0);
    for (int i = 0; i < 7; ++i)
        m_days[i]->setChecked(record.days[dayOfButton(i)] != 0);
}

void CStationPPg2::store(ORVImpl::FreqInfo& record, int localOffsetSeconds) const
{
    const bool allSelected = m_fromHour->currentIndex() >= 0 && m_fromMin->currentIndex() >= 0 &&
                             m_toHour->currentIndex() >= 0 && m_toMin->currentIndex() >= 0;
    if (allSelected) {
        int fromHour = m_fromHour->currentData().toInt();
        int fromMin = m_fromMin->currentData().toInt();
        int toHour = m_toHour->currentData().toInt();
        int toMin = m_toMin->currentData().toInt();
        const bool allDay = isAllDay(fromHour, fromMin, toHour, toMin);
        if (!allDay && !m_useGmt->isChecked()) {
            shiftTimeOfDay(fromHour, fromMin, -localOffsetSeconds);
            shiftTimeOfDay(toHour, toMin, -localOffsetSeconds);
        }
        record.fromHour = fromHour;
        record.fromMin = fromMin;
        record.toHour = toHour;
        record.toMin = toMin;
        // Without the pattern the days would not be stored: all day on chosen days needs it.
        record.usePattern = allDay && allChecked(m_days) ? 0 : 1;
    }
    record.showPropGMT = m_useGmt->isChecked() ? 1 : 0;
    for (int i = 0; i < 7; ++i)
        record.days[dayOfButton(i)] = m_days[i]->isChecked() ? 1 : 0;
}

} // namespace kavrin
