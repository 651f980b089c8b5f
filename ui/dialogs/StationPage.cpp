#include "ui/dialogs/StationPage.h"

#include <QKeyEvent>

namespace kavrin {

void StationPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kavrin
