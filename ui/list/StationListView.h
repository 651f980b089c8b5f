#pragma once

#include "ui/list/StationRowModel.h"

#include <QTreeView>

namespace kavrin {

// A station list on screen: the rows of a StationRowModel drawn as two-line station rows of the
// fixed row height, whole rows selected, nothing edited in place. Column 0 carries the name and
// the drawing; column 1 only carries the summary. The programs set the rest: the header, the
// selection mode and the scroll bars.
class StationListView : public QTreeView {
    Q_OBJECT
public:
    explicit StationListView(QWidget* parent = nullptr);

    StationRowModel& rows() { return m_rows; }

    // The topmost selected row, or -1.
    int selectedRow() const;

    // How selectRow treats the rows selected before.
    enum class Selection { Replace, AddToOthers };

    // Selects `row`, gives it the focus state and scrolls it into view. AddToOthers keeps the rows
    // already selected where the list allows more than one.
    void selectRow(int row, Selection selection = Selection::Replace);

    // Column 0 takes the list's width less 4 pixels, less a vertical scroll bar when the rows do
    // not fit on one page.
    void fitStationColumn();

private:
    StationRowModel m_rows;
};

} // namespace kavrin
