#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace kavrin::tavrel {

// Dialog units, the measure of the handheld's dialog templates: a horizontal unit is a quarter
// of the dialog font's average character width, a vertical unit an eighth of its height, so a
// template keeps its proportions to the text whatever the font.
class DialogUnits {
public:
    DialogUnits(double pixelsPerXUnit, double pixelsPerYUnit)
        : m_xScale(pixelsPerXUnit), m_yScale(pixelsPerYUnit)
    {
    }

    // The units of `font`: its average character width is the mean advance of the 52 Latin
    // letters (rounded as the templates' platform rounds it), its height the line height.
    static DialogUnits ofFont(const QFont& font);

    int x(int units) const { return qRound(units * m_xScale); }
    int y(int units) const { return qRound(units * m_yScale); }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(width), y(height)};
    }
    QRect rect(const QRect& units) const
    {
        return rect(units.x(), units.y(), units.width(), units.height());
    }

private:
    double m_xScale;
    double m_yScale;
};

} // namespace kavrin::tavrel
