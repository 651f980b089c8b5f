#include "handheld/HeaderStrip.h"

#include "handheld/TavrelCommandIds.h"

#include <QPainter>

#include <array>

namespace kavrin::tavrel {

namespace {

struct Zone {
    int left;  // inclusive
    int right; // exclusive
    int command;
};

// Tested in this order; the first zone holding the point wins.
constexpr std::array<Zone, 6> kZones = {{
    {4, 63, IDC_FILE_MENU},
    {68, 86, IDC_SEARCH_MENU},
    {87, 106, IDC_TIME_MENU},
    {109, 139, IDC_FREQ_MENU},
    {143, 177, IDC_MOD_MENU},
    {181, 238, IDC_SORT_MENU},
}};
constexpr int kZoneTop = 27;
constexpr int kZoneBottom = 44; // exclusive

// Label rectangles, client pixels, right and bottom edges exclusive.
constexpr QRect labelRect(int left, int top, int right, int bottom)
{
    return {left, top, right - left, bottom - top};
}
constexpr QRect kFileLabel = labelRect(4, 28, 31, 43);
constexpr QRect kFrequencyLabel = labelRect(110, 28, 137, 43);
constexpr QRect kModulationLabel = labelRect(144, 28, 175, 43);
constexpr QRect kSortLabel = labelRect(182, 28, 234, 43);

// Bitmap x of the separators and of the drop-down arrows' left edges.
constexpr std::array<int, 4> kSeparators = {65, 107, 141, 179};
constexpr std::array<int, 4> kArrows = {34, 131, 169, 230};

const QColor kStrip(214, 214, 214);
const QColor kShadow(128, 128, 128);

void drawArrow(QPainter& painter, int left)
{
    // A 7-pixel-wide downward triangle, one row narrower each line.
    painter.setPen(Qt::black);
    for (int row = 0; row < 4; ++row)
        painter.drawLine(left + row, 8 + row, left + 6 - row, 8 + row);
}

void drawMagnifyingGlass(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(235, 245, 255));
    painter.drawEllipse(QPointF(75.5, 8.5), 4.5, 4.5);
    painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(79, 12), QPointF(82.5, 15.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawClock(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre(96.5, 9.5);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 6.5, 6.5);
    painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -4.5));
    painter.drawLine(centre, centre + QPointF(3.5, 0));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

int headerZoneCommand(const QPoint& point)
{
    if (point.y() < kZoneTop || point.y() >= kZoneBottom)
        return 0;
    for (const Zone& zone : kZones) {
        if (point.x() >= zone.left && point.x() < zone.right)
            return zone.command;
    }
    return 0;
}

QString sortLabel(SortKey key)
{
    switch (key) {
    case SortKey::Frequency:
        return QStringLiteral("S:Freq");
    case SortKey::Name:
        return QStringLiteral("S:Name");
    case SortKey::Modulation:
        return QStringLiteral("S:Mod");
    case SortKey::Location:
        return QStringLiteral("S:Loc");
    case SortKey::Comment:
        return QStringLiteral("S:Lang");
    }
    return QStringLiteral("S:Unknown");
}

QPixmap makeHeaderBitmap()
{
    QPixmap bitmap(kHeaderSize);
    bitmap.fill(kStrip);
    QPainter painter(&bitmap);
    const int right = kHeaderSize.width() - 1;
    const int bottom = kHeaderSize.height() - 1;
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, right, 0);
    painter.setPen(kShadow);
    painter.drawLine(0, bottom, right, bottom);
    for (int x : kSeparators) {
        painter.setPen(kShadow);
        painter.drawLine(x, 2, x, bottom - 2);
        painter.setPen(Qt::white);
        painter.drawLine(x + 1, 2, x + 1, bottom - 2);
    }
    for (int x : kArrows)
        drawArrow(painter, x);
    drawMagnifyingGlass(painter);
    drawClock(painter);
    return bitmap;
}

void paintHeader(QPainter& painter, const QPixmap& bitmap, const QFont& font, SortKey key)
{
    painter.drawPixmap(kHeaderOrigin, bitmap);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(kFileLabel, Qt::AlignCenter, QStringLiteral("File"));
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawText(kFrequencyLabel, left, QStringLiteral("Frq"));
    painter.drawText(kModulationLabel, left, QStringLiteral("Mod"));
    painter.drawText(kSortLabel, left, sortLabel(key));
}

} // namespace kavrin::tavrel
