#include "dialogunits.h"

#include <QFontMetrics>

namespace {

// Windows takes the average width from the 52 letters, rounded to the nearest pixel.
int AverageCharWidth(const QFontMetrics &metrics)
{
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

// units × base / divisor rounded to the nearest pixel, halves upwards, as
// Windows' MulDiv does for the template's non-negative positions and sizes.
int Scale(int units, int base, int divisor)
{
    return (2 * units * base + divisor) / (2 * divisor);
}

} // namespace

QFont DialogFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

DialogUnits::DialogUnits(const QFont &font)
    : DialogUnits(AverageCharWidth(QFontMetrics(font)), QFontMetrics(font).height())
{
}

DialogUnits::DialogUnits(int baseWidth, int baseHeight)
    : m_baseWidth(baseWidth)
    , m_baseHeight(baseHeight)
{
}

QRect DialogUnits::ToPixels(const QRect &units) const
{
    return QRect(X(units.x()), Y(units.y()), X(units.width()), Y(units.height()));
}

QSize DialogUnits::ToPixels(const QSize &units) const
{
    return QSize(X(units.width()), Y(units.height()));
}

int DialogUnits::X(int units) const
{
    return Scale(units, m_baseWidth, 4);
}

int DialogUnits::Y(int units) const
{
    return Scale(units, m_baseHeight, 8);
}
