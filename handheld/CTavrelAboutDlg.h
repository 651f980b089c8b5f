#pragma once

#include "core/file/StationFilePlace.h"

#include <QDialog>

namespace kavrin::tavrel {

// The handheld About box: program name, version and copyright, and for an installed copy where its
// station file is, sized for the 240 × 320 screen. It has no buttons of its own: the dialog's OK
// action (Enter), Esc or the close box end it.
class CTavrelAboutDlg : public QDialog {
    Q_OBJECT
public:
    // About the running copy of the program.
    explicit CTavrelAboutDlg(QWidget* parent = nullptr);
    // About a copy whose station file is at `place`.
    explicit CTavrelAboutDlg(const StationFilePlace& place, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kavrin::tavrel
