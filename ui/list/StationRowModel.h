#pragma once

#include "core/StationRow.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace kavrin {

// The rows of a station list as a Qt model: column 0 "Station" (the name), column 1 "Data" (the
// summary, shown only inside the two-line row). Rows are plain values, so a list of 100,000
// stations costs no widgets and texts are converted only for the rows on screen.
class StationRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        SummaryRole = Qt::UserRole,
        OnAirRole,
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<StationRow>& rows() const { return m_rows; }
    const StationRow& row(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    // The row that shows station `stationIndex`, or -1.
    int rowOfStation(int stationIndex) const;

    void setRows(std::vector<StationRow> rows);
    void appendRow(StationRow row);
    void removeRowAt(int row);
    void replaceRow(int row, StationRow replacement);

    // Reorders the rows with `sort`; selections and other persistent indices follow their
    // stations.
    void reorder(const std::function<void(std::vector<StationRow>&)>& sort);

private:
    std::vector<StationRow> m_rows;
};

} // namespace kavrin
