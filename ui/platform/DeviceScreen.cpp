#include "ui/platform/DeviceScreen.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace kavrin {

namespace {

const char* const kDeviceScreen = "kavrinDeviceScreen";

} // namespace

void setDeviceScreen(QWidget& window)
{
    window.setProperty(kDeviceScreen, true);
}

QWidget* deviceScreenOf(QWidget* widget)
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->property(kDeviceScreen).toBool())
            return w;
    }
    return nullptr;
}

QRect roomFor(QWidget& widget)
{
    if (const QWidget* screen = deviceScreenOf(&widget))
        return {screen->mapToGlobal(QPoint(0, 0)), screen->size()};
    return widget.screen()->availableGeometry();
}

QRect movedInside(QRect rect, const QRect& room)
{
    rect.moveLeft(std::max(room.left(), std::min(rect.left(), room.right() + 1 - rect.width())));
    rect.moveTop(std::max(room.top(), std::min(rect.top(), room.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace kavrin
