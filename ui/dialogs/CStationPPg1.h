#pragma once

#include "core/base/ORVImpl.h"
#include "ui/dialogs/StationPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kavrin {

class DialogLayout;

// The "Main" page: frequency lists, location, comment and modulation.
class CStationPPg1 : public StationPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_FREQ_RX = 1009,
        IDC_MODULATION = 1010,
        IDC_COMMENT = 1011,
        IDC_LOCATION = 1012,
        IDC_FREQ_TX = 1013,
    };

    CStationPPg1(const DialogLayout& layout, QWidget* parent = nullptr);

    // Fills the controls from `record`.
    void load(const ORVImpl::FreqInfo& record);

    // Writes comment, location, both frequency lists (parsed into the record's slots, which the
    // caller has emptied) and the modulation (1024 when none is selected) into `record`.
    void store(ORVImpl::FreqInfo& record) const;

    QLabel* m_rxLabel;
    QLineEdit* m_rx;
    QLabel* m_txLabel;
    QLineEdit* m_tx;
    QLabel* m_locationLabel;
    QLineEdit* m_location;
    QLabel* m_commentLabel;
    QPlainTextEdit* m_comment;
    QLabel* m_modulationLabel;
    QComboBox* m_modulation;
    QLabel* m_hint;
};

} // namespace kavrin
