#include "ui/list/StationRowModel.h"

#include "core/base/ORVImpl.h"
#include "core/station/Summary.h"

#include <unordered_map>

namespace kavrin {

void StationRowModel::showStationsOf(const ORVImpl& base)
{
    beginResetModel();
    m_base = &base;
    m_rows.clear();
    endResetModel();
}

int StationRowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int StationRowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString StationRowModel::nameAt(int row) const
{
    return QString::fromStdU16String((*m_base)[this->row(row).index].stName);
}

QString StationRowModel::summaryAt(int row) const
{
    std::u16string name;
    std::u16string summary;
    MakeSummaryAt((*m_base)[this->row(row).index], name, summary, m_format.localTime,
                  m_format.localOffsetSeconds);
    return QString::fromStdU16String(summary);
}

QVariant StationRowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? nameAt(index.row()) : summaryAt(index.row());
    case SummaryRole:
        return summaryAt(index.row());
    case OnAirRole:
        return row(index.row()).onAir;
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

void StationRowModel::swapRows(std::vector<ListedStation>& rows, SummaryFormat format)
{
    beginResetModel();
    m_rows.swap(rows);
    m_format = format;
    endResetModel();
}

void StationRowModel::insertRowAt(int row, ListedStation station)
{
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, station);
    endInsertRows();
}

void StationRowModel::removeRowAt(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void StationRowModel::reorder(const std::function<void(std::vector<ListedStation>&)>& sort)
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
