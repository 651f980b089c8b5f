#pragma once

class QString;

namespace kavrin {

class CInputFreqRangeDlg;
class CRangePropDlg;
class CSearchParamsDlg;
class CStationPPg1;
class CStationPPg2;
class CStationPropDlg;

// How one program arranges the dialogs both programs share. A dialog creates its controls (with
// their ids and behaviour) and hands itself to its program's layout, which places the controls and
// sets what differs between the programs: captions, some labels, the size.
class DialogLayout {
public:
    virtual ~DialogLayout() = default;

    virtual void arrange(CStationPropDlg& dialog) const = 0;
    virtual void arrange(CStationPPg1& page) const = 0;
    virtual void arrange(CStationPPg2& page) const = 0;
    virtual void arrange(CSearchParamsDlg& dialog) const = 0;
    virtual void arrange(CInputFreqRangeDlg& dialog) const = 0;
    virtual void arrange(CRangePropDlg& dialog) const = 0;

    // How the range dialog writes the bounds it is opened with.
    virtual QString rangeEdgeText(float mhz) const = 0;
};

} // namespace kavrin
