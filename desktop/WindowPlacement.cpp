#include "desktop/WindowPlacement.h"

#include "ui/platform/RectFit.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace kavrin::orvale {

namespace {

using Fields = std::array<qint32, WindowPlacement::kRecordSize / 4>;

// The squared distance between the nearest points of two rectangles that do not meet.
qint64 distanceSquared(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const qint64 dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

QByteArray WindowPlacement::toRecord() const
{
    // The rectangle's right and bottom are exclusive edges, as the record has always stored them.
    const Fields fields = {kRecordSize,
                           flags,
                           showCommand,
                           minPosition.x(),
                           minPosition.y(),
                           maxPosition.x(),
                           maxPosition.y(),
                           normal.left(),
                           normal.top(),
                           normal.left() + normal.width(),
                           normal.top() + normal.height()};
    QByteArray record(kRecordSize, '\0');
    for (std::size_t i = 0; i < fields.size(); ++i)
        qToLittleEndian<qint32>(fields[i], record.data() + 4 * i);
    return record;
}

Result<WindowPlacement> WindowPlacement::fromRecord(const QByteArray& record)
{
    const Failure notARecord{"not a window placement record"};
    if (record.size() != kRecordSize)
        return notARecord;
    Fields fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = qFromLittleEndian<qint32>(record.constData() + 4 * i);
    if (fields[0] != kRecordSize)
        return notARecord;
    WindowPlacement placement;
    placement.flags = fields[1];
    placement.showCommand = fields[2];
    placement.minPosition = QPoint(fields[3], fields[4]);
    placement.maxPosition = QPoint(fields[5], fields[6]);
    placement.normal = QRect(QPoint(fields[7], fields[8]), QPoint(fields[9] - 1, fields[10] - 1));
    return placement;
}

QRect placedOnScreen(const QRect& rect, const QList<QRect>& screens)
{
    if (screens.isEmpty() ||
        std::any_of(screens.begin(), screens.end(),
                    [&rect](const QRect& screen) { return screen.intersects(rect); }))
        return rect;
    const QRect nearest =
        *std::min_element(screens.begin(), screens.end(), [&rect](const QRect& a, const QRect& b) {
            return distanceSquared(rect, a) < distanceSquared(rect, b);
        });
    return movedInside(QRect(rect.topLeft(), rect.size().boundedTo(nearest.size())), nearest);
}

} // namespace kavrin::orvale
