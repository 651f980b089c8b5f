#pragma once

#include "core/file/StationFilePlace.h"

#include <QDialog>

namespace kavrin::orvale {

// The About box: program name, version and copyright, and for an installed copy where its station
// file is. It has no buttons; the close box and Esc close it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // About the running copy of the program.
    explicit CAboutDlg(QWidget* parent = nullptr);
    // About a copy whose station file is at `place`.
    explicit CAboutDlg(const StationFilePlace& place, QWidget* parent = nullptr);
};

} // namespace kavrin::orvale
