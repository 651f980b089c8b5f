#pragma once

#include "ui/list/StationRowModel.h"

#include <QTreeView>

namespace kavrin {
class StationRowDelegate;
} // namespace kavrin

namespace kavrin::orvale {

// The station list of the desktop program: a report list with the header "Station" (the second
// column, "Data", only carries the summary), two-line rows of 30 pixels, and extended selection
// that commands read through its first selected row.
class CKavrinView : public QTreeView {
    Q_OBJECT
public:
    explicit CKavrinView(QWidget* parent = nullptr);

    StationRowModel& rows() { return m_rows; }
    const StationRowModel& rows() const { return m_rows; }

    // The topmost selected row, or -1.
    int firstSelectedRow() const;

    // Selects and focuses `row` (keeping other selected rows when `keepOthers`) and scrolls it into
    // view.
    void selectRow(int row, bool keepOthers);

    // Column 0 takes the view's width less 4 pixels, less a vertical scroll bar when the rows do
    // not fit on one page.
    void fitStationColumn();

private:
    StationRowModel m_rows;
    StationRowDelegate* m_delegate;
};

} // namespace kavrin::orvale
