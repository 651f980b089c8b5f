#pragma once

#include <QDialog>

class QTextEdit;
class QPushButton;

namespace kavrin::orvale {

// "Import text data": explains the schedule import before the file is chosen, in a read-only box
// tall enough for the whole explanation. "Import..." accepts, "Cancel" ends the command.
class CImportBiDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_INFO = 1004 };

    explicit CImportBiDlg(QWidget* parent = nullptr);

    QTextEdit* m_info;
    QPushButton* m_import;
    QPushButton* m_cancel;
};

} // namespace kavrin::orvale
