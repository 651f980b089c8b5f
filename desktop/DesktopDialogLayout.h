#pragma once

#include "ui/dialogs/DialogLayout.h"

namespace kavrin::orvale {

// The desktop program's arrangement of the shared dialogs: Qt layouts that follow the font and
// grow with the texts.
class DesktopDialogLayout : public DialogLayout {
public:
    void arrange(CStationPropDlg& dialog) const override;
    void arrange(CStationPPg1& page) const override;
    void arrange(CStationPPg2& page) const override;
    void arrange(CSearchParamsDlg& dialog) const override;
    void arrange(CInputFreqRangeDlg& dialog) const override;
    void arrange(CRangePropDlg& dialog) const override;
    QString rangeEdgeText(float mhz) const override;
};

} // namespace kavrin::orvale
