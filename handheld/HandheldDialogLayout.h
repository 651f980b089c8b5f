#pragma once

#include "ui/dialogs/DialogLayout.h"

#include <QFont>

namespace kavrin::tavrel {

// The handheld program's arrangement of the shared dialogs: every control at the place its
// template gives in dialog units, converted with the dialog's font, so each dialog fits the
// 240 × 320 screen. Besides the places it sets what the handheld shows differently: the caption
// "Set station properties", the label "Frequency (TX):", no hint under the main page's fields, a
// comment box one line high, the band buttons "+", "-" and "Rs", and range edges written with
// two decimals.
class HandheldDialogLayout : public DialogLayout {
public:
    // The font of the handheld's dialogs and the smaller one of the two station pages.
    static QFont dialogFont();
    static QFont pageFont();

    void arrange(CStationPropDlg& dialog) const override;
    void arrange(CStationPPg1& page) const override;
    void arrange(CStationPPg2& page) const override;
    void arrange(CSearchParamsDlg& dialog) const override;
    void arrange(CInputFreqRangeDlg& dialog) const override;
    void arrange(CRangePropDlg& dialog) const override;
    QString rangeEdgeText(float mhz) const override;
};

} // namespace kavrin::tavrel
