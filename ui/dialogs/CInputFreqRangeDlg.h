#pragma once

#include "core/list/BandsStore.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kavrin {

class DialogLayout;
class Profile;
class StationFilter;

// "Input frequency range": the user-defined range, typed in or taken from the user's list of
// popular bands, which Add, Del and Reset list edit. The band list is written to the profile
// whenever the dialog goes away, Cancel included. No Cancel button: the close box and Esc cancel.
class CInputFreqRangeDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_LOW = 1005,
        IDC_HIGH = 1006,
        IDC_BANDS = 1032,
        IDC_ADD = 1033,
        IDC_DEL = 1034,
        IDC_RESET = 1035,
    };

    // Opens with the range `low`–`high` (MHz) and the bands of `profile`.
    CInputFreqRangeDlg(float low, float high, Profile& profile, const DialogLayout& layout,
                       QWidget* parent = nullptr);
    ~CInputFreqRangeDlg() override;

    struct Range {
        float low;
        float high;
    };
    // Runs the dialog through the prompts, opening with the filter's range; nothing when the user
    // cancelled.
    static std::optional<Range> ask(const StationFilter& filter, Profile& profile,
                                    const DialogLayout& layout, QWidget* parent);

    // The range, valid after OK.
    float low() const { return m_lowEdge; }
    float high() const { return m_highEdge; }

    // OK: beeps and stays open for an empty edge, a negative low edge, a high edge above
    // 100000.9 MHz or edges in the wrong order.
    void accept() override;

    QLabel* m_lowLabel;
    QLineEdit* m_low;
    QLabel* m_highLabel;
    QLineEdit* m_high;
    QLabel* m_bandsLabel;
    QListWidget* m_bandList;
    QPushButton* m_add;
    QPushButton* m_del;
    QPushButton* m_reset;
    QPushButton* m_ok;

private:
    void fillBandList();
    void showSelectedBand();
    void addBand();
    void deleteBand();
    void resetBands();

    Profile& m_profile;
    const DialogLayout& m_layout;
    BandsStore m_bands;
    float m_lowEdge;
    float m_highEdge;
};

} // namespace kavrin
