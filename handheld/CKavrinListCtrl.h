#pragma once

#include "ui/list/StationListView.h"

#include <QTimer>

namespace kavrin::tavrel {

// The handheld station list: no header, one selectable row at a time, no horizontal scroll bar. A
// tap-and-hold on the list (a long press, or the context-menu gesture) is reported with tapAndHold
// so its owner can open the station menu. A tap or tap-and-hold on the empty space below the rows
// clears the selection, so the station menu then has no station to act on.
class CKavrinListCtrl : public StationListView {
    Q_OBJECT
public:
    explicit CKavrinListCtrl(QWidget* parent = nullptr);

signals:
    // A tap-and-hold at `globalPos` (screen coordinates).
    void tapAndHold(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void clearSelectionOffTheRows(const QPoint& viewportPos);

    QTimer m_hold;
    QPoint m_pressedAt; // screen coordinates of the press the timer waits on
};

} // namespace kavrin::tavrel
