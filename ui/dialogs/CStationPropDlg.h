#pragma once

#include "core/base/ORVImpl.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kavrin {

class CStationPPg1;
class CStationPPg2;
class DialogLayout;

// "Station properties": one station's name and, on two tabs, its frequencies and working hours.
// Works on a copy of the record; after Save (accepted) the caller copies record() back. There is
// no Cancel button: the close box and Esc cancel.
class CStationPropDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_NAME = 1008, IDC_TABS = 1025 };

    // `record` is the station to edit, or a default record for a new one.
    CStationPropDlg(const ORVImpl::FreqInfo& record, const DialogLayout& layout,
                    QWidget* parent = nullptr);

    // The working record as the last successful Save left it.
    const ORVImpl::FreqInfo& record() const { return m_record; }

    // Save: refuses an empty name ("Name field cannot be empty") and a record without a usable
    // frequency ("Frequency must be in vaid range"); otherwise accepts the dialog. Every attempt
    // rebuilds the working record from the controls.
    void save();

    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QTabWidget* m_tabs;
    CStationPPg1* m_page1;
    CStationPPg2* m_page2;
    QPushButton* m_save;

private:
    ORVImpl::FreqInfo m_record;
};

} // namespace kavrin
