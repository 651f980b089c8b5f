#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kavrin {

class DialogLayout;

// "Range properties": the name and edges of a new band. Save beeps and stays open for an empty
// field or edges outside 0 … 99999.9 MHz or in the wrong order. No Cancel button: the close box
// and Esc cancel.
class CRangePropDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_LOW = 1005, IDC_HIGH = 1006, IDC_NAME = 1008 };

    explicit CRangePropDlg(const DialogLayout& layout, QWidget* parent = nullptr);

    // Valid after Save.
    QString name() const;
    float low() const { return m_lowEdge; }
    float high() const { return m_highEdge; }

    void accept() override;

    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_lowLabel;
    QLineEdit* m_low;
    QLabel* m_highLabel;
    QLineEdit* m_high;
    QPushButton* m_save;

private:
    float m_lowEdge = 0;
    float m_highEdge = 0;
};

} // namespace kavrin
