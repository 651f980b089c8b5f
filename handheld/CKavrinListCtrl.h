#pragma once

#include "ui/list/StationRowModel.h"

#include <QTimer>
#include <QTreeView>

namespace kavrin {
class StationRowDelegate;
} // namespace kavrin

namespace kavrin::tavrel {

// The handheld station list: no header, one selectable row at a time, always shown, two-line rows
// of 30 pixels drawn as on the desktop. A tap-and-hold on the list (a long press, or the
// context-menu gesture) is reported with tapAndHold so its owner can open the station menu.
class CKavrinListCtrl : public QTreeView {
    Q_OBJECT
public:
    explicit CKavrinListCtrl(QWidget* parent = nullptr);

    StationRowModel& rows() { return m_rows; }
    const StationRowModel& rows() const { return m_rows; }

    // The selected row, or -1.
    int selectedRow() const;

    // Selects `row`, gives it the focus state and scrolls it into view.
    void selectRow(int row);

    // Column 0 takes the list's width less 4 pixels, less a vertical scroll bar when the rows do
    // not fit on one page.
    void fitStationColumn();

signals:
    // A tap-and-hold at `globalPos` (screen coordinates).
    void tapAndHold(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    StationRowModel m_rows;
    StationRowDelegate* m_delegate;
    QTimer m_hold;
    QPoint m_pressedAt; // screen coordinates of the press the timer waits on
};

} // namespace kavrin::tavrel
