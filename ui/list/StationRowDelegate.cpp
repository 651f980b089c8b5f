#include "ui/list/StationRowDelegate.h"

#include "ui/list/StationRowModel.h"

#include <QPainter>

namespace kavrin {

StationRowDelegate::StationRowDelegate(const QFont& listFont, QObject* parent)
    : QStyledItemDelegate(parent), m_fonts(StationRowFonts::forListFont(listFont))
{
}

void StationRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    // The list always shows its selection, focused or not.
    const bool highlighted = option.state & QStyle::State_Selected;
    paintStationRow(*painter, option.rect, option.rect.width(),
                    index.data(Qt::DisplayRole).toString(),
                    index.data(StationRowModel::SummaryRole).toString(),
                    index.data(StationRowModel::OnAirRole).toBool(), highlighted, m_fonts);
}

QSize StationRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), kStationRowHeight};
}

} // namespace kavrin
