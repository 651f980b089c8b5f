#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kavrin {

class DialogLayout;

// "Search parameters": the text to find and whether case matters. Opens empty every time; OK with
// an empty text beeps and stays open.
class CSearchParamsDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_FIND_WHAT = 1027, IDC_MATCH_CASE = 1028 };

    explicit CSearchParamsDlg(const DialogLayout& layout, QWidget* parent = nullptr);

    QString searchText() const;
    bool matchCase() const;

    void accept() override;

    QLabel* m_findLabel;
    QLineEdit* m_findWhat;
    QCheckBox* m_matchCase;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace kavrin
