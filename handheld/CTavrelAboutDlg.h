#pragma once

#include <QDialog>

namespace kavrin::tavrel {

// The handheld About box: program name, version and copyright, sized for the 240 × 320 screen. It
// has no buttons of its own: the dialog's OK action (Enter), Esc or the close box end it.
class CTavrelAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTavrelAboutDlg(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kavrin::tavrel
