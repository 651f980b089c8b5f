#pragma once

#include <QFont>
#include <QString>

class QFontMetrics;
class QPainter;
class QRect;

namespace kavrin {

// The two-line station row both programs draw: the name in bold, greyed when the station is off
// the air and blue when the row is highlighted, and under it the summary in a small serif font,
// word-wrapped; a highlighted row gets a red one-pixel frame.

inline constexpr int kStationRowHeight = 30;

struct StationRowFonts {
    QFont name;    // the list's own font, bold
    QFont summary; // "Times New Roman", 10 pixels, light

    static StationRowFonts forListFont(const QFont& listFont);
};

// The name as drawn in `width` pixels: unchanged when it fits, otherwise shortened from the end
// with "..." appended, or "..." alone when nothing else fits.
QString fitName(const QFontMetrics& metrics, const QString& name, int width);

// Draws one row into `row`; the texts stay within `textWidth` pixels from the row's left edge.
void paintStationRow(QPainter& painter, const QRect& row, int textWidth, const QString& name,
                     const QString& summary, bool onAir, bool highlighted,
                     const StationRowFonts& fonts);

} // namespace kavrin
