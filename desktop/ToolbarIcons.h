#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace kavrin::orvale {

// A 20 × 20 toolbar picture: a short label ("AM", "LF", …) on a tinted key cap. Drawn at run time
// so the toolbar needs no image files and stays sharp at any device pixel ratio.
QIcon toolbarIcon(const QString& label, const QColor& tint);

} // namespace kavrin::orvale
