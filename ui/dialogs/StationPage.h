#pragma once

#include <QWidget>

namespace kavrin {

// A page of the station properties dialog. Enter inside a page does not close the dialog (the
// multi-line comment takes it as a new line); Esc still cancels the whole dialog.
class StationPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kavrin
