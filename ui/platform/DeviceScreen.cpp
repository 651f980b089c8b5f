#include "ui/platform/DeviceScreen.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

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

} // namespace kavrin
