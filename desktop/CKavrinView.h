#pragma once

#include "ui/list/StationListView.h"

namespace kavrin::orvale {

// The station list of the desktop program: a report list with the header "Station" and extended
// selection, whose commands act on the topmost selected row.
class CKavrinView : public StationListView {
    Q_OBJECT
public:
    explicit CKavrinView(QWidget* parent = nullptr);
};

} // namespace kavrin::orvale
