#include "ui/list/StationListView.h"

#include "ui/list/StationRowDelegate.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace kavrin {

StationListView::StationListView(QWidget* parent) : QTreeView(parent)
{
    setModel(&m_rows);
    setItemDelegate(new StationRowDelegate(font(), this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    // The rows draw everything themselves, with no mark for the current row: the tree view's
    // focus frame across a whole row would show the current row tinted as if it were selected.
    setAllColumnsShowFocus(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    setColumnHidden(1, true);
}

int StationListView::selectedRow() const
{
    int first = -1;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void StationListView::selectRow(int row, Selection selection)
{
    const QModelIndex index = m_rows.index(row, 0);
    auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (selection == Selection::Replace || selectionMode() != QAbstractItemView::ExtendedSelection)
        flags |= QItemSelectionModel::Clear;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index);
}

void StationListView::fitStationColumn()
{
    int width = this->width() - 4;
    const int rowsOnPage = viewport()->height() / kStationRowHeight;
    if (m_rows.rowCount() > rowsOnPage)
        width -= verticalScrollBar()->sizeHint().width();
    header()->resizeSection(0, std::max(width, 0));
}

} // namespace kavrin
