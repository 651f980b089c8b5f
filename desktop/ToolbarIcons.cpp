#include "desktop/ToolbarIcons.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace kavrin::orvale {

namespace {

constexpr int kSize = 20;

QPixmap drawIcon(const QString& label, const QColor& tint, qreal scale)
{
    QPixmap pixmap(QSize(kSize, kSize) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tint.darker(160));
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);

    // The largest font, down to 6 pixels, in which the label fits the cap.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    for (int pixels = 10; pixels >= 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(label) <= kSize - 3)
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, label);
    return pixmap;
}

} // namespace

QIcon toolbarIcon(const QString& label, const QColor& tint)
{
    QIcon icon;
    icon.addPixmap(drawIcon(label, tint, 1.0));
    icon.addPixmap(drawIcon(label, tint, 2.0));
    return icon;
}

} // namespace kavrin::orvale
