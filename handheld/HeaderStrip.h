#pragma once

#include "core/list/StationFilter.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace kavrin::tavrel {

// The header strip of the main dialog: a 240 × 20 picture copied to client position (0, 26), with
// the labels "File", "Frq", "Mod" and the sort key drawn over it, and the tap zones that open the
// header menus. Coordinates are client pixels of the main dialog.

inline constexpr QPoint kHeaderOrigin{0, 26};
inline constexpr QSize kHeaderSize{240, 20};

// The whole strip, picture and labels, in client pixels.
inline QRect headerRect()
{
    return {kHeaderOrigin, kHeaderSize};
}

// The anchor command a tap at `point` posts (IDC_FILE_MENU, IDC_SEARCH_MENU, IDC_TIME_MENU,
// IDC_FREQ_MENU, IDC_MOD_MENU or IDC_SORT_MENU), or 0 outside every zone. Each zone spans y 27 up
// to but not including 44 and its own x range, right edge excluded.
int headerZoneCommand(const QPoint& point);

// The label of the sort cell: "S:Freq", "S:Name", "S:Mod", "S:Loc", "S:Lang" (comment), or
// "S:Unknown" for any other key value.
QString sortLabel(SortKey key);

// The 240 × 20 picture without labels: a light grey strip cut by thin separator lines into the
// File cell, the cell of the magnifying glass (Search) and the clock (Time), and the Frequency,
// Modulation and Sort cells; the File, Frequency, Modulation and Sort cells end in a small black
// drop-down arrow.
QPixmap makeHeaderBitmap();

// Copies `bitmap` to kHeaderOrigin and draws the labels in `font`, with the sort label of `key`.
void paintHeader(QPainter& painter, const QPixmap& bitmap, const QFont& font, SortKey key);

} // namespace kavrin::tavrel
