#include "desktop/CKavrinView.h"

#include "ui/list/StationRowDelegate.h"
#include "ui/list/StationRowPainter.h"

#include <QHeaderView>
#include <QScrollBar>

namespace kavrin::orvale {

CKavrinView::CKavrinView(QWidget* parent)
    : QTreeView(parent), m_delegate(new StationRowDelegate(font(), this))
{
    setModel(&m_rows);
    setItemDelegate(m_delegate);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    header()->resizeSection(0, 400);
    setColumnHidden(1, true);
}

int CKavrinView::firstSelectedRow() const
{
    int first = -1;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void CKavrinView::selectRow(int row, bool keepOthers)
{
    const QModelIndex index = m_rows.index(row, 0);
    auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (!keepOthers)
        flags |= QItemSelectionModel::Clear;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index);
}

void CKavrinView::fitStationColumn()
{
    int width = this->width() - 4;
    const int rowsOnPage = viewport()->height() / kStationRowHeight;
    if (m_rows.rowCount() > rowsOnPage)
        width -= verticalScrollBar()->sizeHint().width();
    header()->resizeSection(0, std::max(width, 0));
}

} // namespace kavrin::orvale
