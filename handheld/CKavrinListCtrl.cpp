#include "handheld/CKavrinListCtrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QStyleHints>

namespace kavrin::tavrel {

CKavrinListCtrl::CKavrinListCtrl(QWidget* parent) : StationListView(parent)
{
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_hold.setSingleShot(true);
    m_hold.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&m_hold, &QTimer::timeout, this, [this] { emit tapAndHold(m_pressedAt); });
}

void CKavrinListCtrl::clearSelectionOffTheRows(const QPoint& viewportPos)
{
    if (!indexAt(viewportPos).isValid())
        clearSelection();
}

void CKavrinListCtrl::mousePressEvent(QMouseEvent* event)
{
    clearSelectionOffTheRows(event->position().toPoint());
    StationListView::mousePressEvent(event);
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
    StationListView::mouseMoveEvent(event);
}

void CKavrinListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_hold.stop();
    StationListView::mouseReleaseEvent(event);
}

void CKavrinListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    m_hold.stop();
    if (event->reason() == QContextMenuEvent::Mouse)
        clearSelectionOffTheRows(event->pos());
    emit tapAndHold(event->globalPos());
    event->accept();
}

} // namespace kavrin::tavrel
