#include "desktop/CKavrinView.h"

#include <QHeaderView>

namespace kavrin::orvale {

CKavrinView::CKavrinView(QWidget* parent) : StationListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionsClickable(false);
    header()->resizeSection(0, 400);
}

} // namespace kavrin::orvale
