#pragma once

#include "core/base/ORVImpl.h"
#include "ui/dialogs/StationPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kavrin {

class DialogLayout;

// The "Working hours" page: start and end of the working hours, the working days and whether the
// hours are entered in GMT or in local time (the record always keeps GMT).
class CStationPPg2 : public StationPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_FROM_HOUR = 1013,
        IDC_FROM_MIN = 1014,
        IDC_TO_HOUR = 1015,
        IDC_TO_MIN = 1016,
        IDC_USE_GMT = 1017,
        IDC_MONDAY = 1018, // … 1024 Sunday
    };

    CStationPPg2(const DialogLayout& layout, QWidget* parent = nullptr);

    // Fills the controls from `record`; hours entered in local time are shown shifted by
    // `localOffsetSeconds` (local minus UTC).
    void load(const ORVImpl::FreqInfo& record, int localOffsetSeconds);

    // Writes hours, usePattern, showPropGMT and days into `record`. 0:00–23:59 on all seven days
    // is "all day" (usePattern 0); on fewer days it keeps usePattern 1, so that the days count.
    // 0:00–23:59 is never shifted; other hours entered in local time are shifted back to GMT,
    // and load() shows them shifted the other way. When a list
    // has no selection (stored hours outside the lists, as an import can leave them) the
    // record's hours and usePattern stay as they are.
    void store(ORVImpl::FreqInfo& record, int localOffsetSeconds) const;

    QLabel* m_fromLabel;
    QComboBox* m_fromHour;
    QLabel* m_fromHourUnit;
    QComboBox* m_fromMin;
    QLabel* m_fromMinUnit;
    QLabel* m_toLabel;
    QComboBox* m_toHour;
    QLabel* m_toHourUnit;
    QComboBox* m_toMin;
    QLabel* m_toMinUnit;
    QLabel* m_daysLabel;
    std::array<QPushButton*, 7> m_days; // Monday … Sunday
    QCheckBox* m_useGmt;
};

} // namespace kavrin
