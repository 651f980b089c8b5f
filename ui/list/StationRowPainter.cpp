#include "ui/list/StationRowPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <algorithm>

namespace kavrin {

namespace {

const QColor kFrameColour(200, 0, 0);
const QColor kOffAirColour(150, 150, 150);
const QColor kHighlightColour(0, 0, 200);
const QString kEllipsis = QStringLiteral("...");

} // namespace

StationRowFonts StationRowFonts::forListFont(const QFont& listFont)
{
    StationRowFonts fonts;
    fonts.name = listFont;
    fonts.name.setWeight(QFont::Bold);
    fonts.summary = QFont(QStringLiteral("Times New Roman"));
    fonts.summary.setPixelSize(10);
    fonts.summary.setWeight(QFont::Light);
    fonts.summary.setStyleHint(QFont::Serif);
    return fonts;
}

QString fitName(const QFontMetrics& metrics, const QString& name, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    for (qsizetype keep = name.size() - 1; keep > 0; --keep) {
        const QString candidate = name.left(keep) + kEllipsis;
        if (metrics.horizontalAdvance(candidate) < width)
            return candidate;
    }
    return kEllipsis;
}

void paintStationRow(QPainter& painter, const QRect& row, int textWidth, const QString& name,
                     const QString& summary, bool onAir, bool highlighted,
                     const StationRowFonts& fonts)
{
    painter.save();
    painter.fillRect(row, Qt::white);
    QRect text(row.left() + 2, row.top() + 1, textWidth - 2, row.height() - 2);
    if (highlighted) {
        painter.setPen(kFrameColour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.adjusted(0, 0, -1, -1));
    }

    painter.setFont(fonts.name);
    painter.setPen(!onAir ? kOffAirColour : highlighted ? kHighlightColour : QColor(Qt::black));
    const QFontMetrics nameMetrics(fonts.name);
    QRect drawn;
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     fitName(nameMetrics, name, text.width()), &drawn);

    text.setTop(text.top() + drawn.height());
    painter.setFont(fonts.summary);
    painter.setPen(Qt::black);
    // Only whole lines: a wrapped line that does not fit would show as a stripe of glyph tops.
    const int lineSpacing = QFontMetrics(fonts.summary).lineSpacing();
    text.setHeight(std::max(1, text.height() / lineSpacing) * lineSpacing);
    painter.setClipRect(text.intersected(row));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary);
    painter.restore();
}

} // namespace kavrin
