#pragma once

#include <QDialog>

namespace kavrin::orvale {

// The About box: program name, version and copyright. It has no buttons; the close box and Esc
// close it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace kavrin::orvale
