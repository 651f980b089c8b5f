#pragma once

#include "ui/dialogs/DialogLayout.h"

#include <QString>

namespace kavrin {

// Leaves every control of the shared dialogs where the dialog created it: for tests that fill in
// and confirm the dialogs by script and never look at them.
class PlainDialogLayout : public DialogLayout {
public:
    void arrange(CStationPropDlg&) const override {}
    void arrange(CStationPPg1&) const override {}
    void arrange(CStationPPg2&) const override {}
    void arrange(CSearchParamsDlg&) const override {}
    void arrange(CInputFreqRangeDlg&) const override {}
    void arrange(CRangePropDlg&) const override {}
    QString rangeEdgeText(float mhz) const override { return QString::number(mhz); }
};

} // namespace kavrin
