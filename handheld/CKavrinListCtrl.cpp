#include "handheld/CKavrinListCtrl.h"

#include "ui/list/StationRowDelegate.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>

namespace kavrin::tavrel {

CKavrinListCtrl::CKavrinListCtrl(QWidget* parent)
    : QTreeView(parent), m_delegate(new StationRowDelegate(font(), this))
{
    setModel(&m_rows);
    setItemDelegate(m_delegate);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(false);
    setColumnHidden(1, true);

    m_hold.setSingleShot(true);
    m_hold.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&m_hold, &QTimer::timeout, this, [this] { emit tapAndHold(m_pressedAt); });
}

int CKavrinListCtrl::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CKavrinListCtrl::selectRow(int row)
{
    const QModelIndex index = m_rows.index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void CKavrinListCtrl::fitStationColumn()
{
    int width = this->width() - 4;
    const int rowsOnPage = viewport()->height() / kStationRowHeight;
    if (m_rows.rowCount() > rowsOnPage)
        width -= verticalScrollBar()->sizeHint().width();
    header()->resizeSection(0, std::max(width, 0));
}

void CKavrinListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_pressedAt = event->globalPosition().toPoint();
        m_hold.start();
    }
}

void CKavrinListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    // A stylus that slides is scrolling or selecting, not holding.
    if (m_hold.isActive() && (event->globalPosition().toPoint() - m_pressedAt).manhattanLength() >
                                 QApplication::startDragDistance())
        m_hold.stop();
    QTreeView::mouseMoveEvent(event);
}

void CKavrinListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_hold.stop();
    QTreeView::mouseReleaseEvent(event);
}

void CKavrinListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    m_hold.stop();
    emit tapAndHold(event->globalPos());
    event->accept();
}

} // namespace kavrin::tavrel
