#include "handheld/DialogUnits.h"

#include <QFontMetrics>

namespace kavrin::tavrel {

DialogUnits DialogUnits::ofFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int averageWidth = (letters / 26 + 1) / 2;
    return {averageWidth / 4.0, metrics.height() / 8.0};
}

} // namespace kavrin::tavrel
