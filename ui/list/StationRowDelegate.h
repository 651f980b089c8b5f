#pragma once

#include "ui/list/StationRowPainter.h"

#include <QStyledItemDelegate>

namespace kavrin {

// Draws the rows of a StationRowModel as two-line station rows of the fixed row height.
class StationRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    StationRowDelegate(const QFont& listFont, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    StationRowFonts m_fonts;
};

} // namespace kavrin
