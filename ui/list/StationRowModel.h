#pragma once

#include "core/list/StationIndex.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace kavrin {

class ORVImpl;

// The rows of a station list as a Qt model: column 0 "Station" (the name), column 1 "Data" (the
// summary, shown only inside the two-line row). A row is only a station's index and its on-air
// state; its texts are written from the base when the row is drawn, so a list of 1,000,000
// stations costs a few megabytes and a refill writes no text at all. The summaries of all rows
// use the time display and local offset of the list they were made for.
//
// The base must not change under the rows except through whoever keeps the rows in step with it
// (the list owner), and must not be written by another thread while the rows are shown.
class StationRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        SummaryRole = Qt::UserRole,
        OnAirRole,
    };

    // How the summaries give the working hours: in local time with the local offset (local minus
    // UTC, seconds) of the moment the list was made, or in GMT.
    struct SummaryFormat {
        bool localTime = true;
        int localOffsetSeconds = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The base whose stations the rows show; until it is set there are no rows.
    void showStationsOf(const ORVImpl& base);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<ListedStation>& rows() const { return m_rows; }
    const ListedStation& row(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }
    QString nameAt(int row) const;
    QString summaryAt(int row) const;

    // The row that shows station `stationIndex`, or -1.
    int rowOfStation(int stationIndex) const;

    // Shows `rows` with summaries in `format`. The rows are swapped in: `rows` gets the storage
    // of the rows shown before, for the next list to reuse.
    void swapRows(std::vector<ListedStation>& rows, SummaryFormat format);
    void insertRowAt(int row, ListedStation station);
    void removeRowAt(int row);

    // Reorders the rows with `sort`; selections and other persistent indices follow their
    // stations.
    void reorder(const std::function<void(std::vector<ListedStation>&)>& sort);

private:
    const ORVImpl* m_base = nullptr;
    std::vector<ListedStation> m_rows;
    SummaryFormat m_format;
};

} // namespace kavrin
