#include "ui/list/StationRowModel.h"

#include <unordered_map>

namespace kavrin {

int StationRowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int StationRowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StationRowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const StationRow& r = row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdU16String(index.column() == 0 ? r.name : r.summary);
    case SummaryRole:
        return QString::fromStdU16String(r.summary);
    case OnAirRole:
        return r.onAir;
    default:
        return {};
    }
}

QVariant StationRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Station") : tr("Data");
}

int StationRowModel::rowOfStation(int stationIndex) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].index == stationIndex)
            return static_cast<int>(i);
    }
    return -1;
}

void StationRowModel::setRows(std::vector<StationRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void StationRowModel::appendRow(StationRow row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void StationRowModel::removeRowAt(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void StationRowModel::replaceRow(int row, StationRow replacement)
{
    m_rows.at(static_cast<std::size_t>(row)) = std::move(replacement);
    emit dataChanged(index(row, 0), index(row, 1));
}

void StationRowModel::reorder(const std::function<void(std::vector<StationRow>&)>& sort)
{
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<int> stations;
    stations.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        stations.push_back(row(index.row()).index);

    sort(m_rows);

    std::unordered_map<int, int> rowOf;
    rowOf.reserve(before.size());
    for (const int station : stations)
        rowOf.emplace(station, -1);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (auto found = rowOf.find(m_rows[i].index); found != rowOf.end())
            found->second = static_cast<int>(i);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOf[stations[static_cast<std::size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

} // namespace kavrin
