#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The font of every dialog of the editor: the system's sans face at 8 points,
// standing in for the dialog templates' "MS Shell Dlg".
QFont DialogFont();

// Converts dialog-template units to pixels the way Windows does for a dialog
// font: x units are a quarter of the font's average character width, y units
// an eighth of its height, each rounded to the nearest pixel.
class DialogUnits {
public:
    explicit DialogUnits(const QFont &font);
    DialogUnits(int baseWidth, int baseHeight);

    // A control's rectangle from its position and size in units, each of the
    // four converted on its own as Windows creates a template's controls.
    QRect ToPixels(const QRect &units) const;
    QSize ToPixels(const QSize &units) const;

private:
    int X(int units) const;
    int Y(int units) const;

    int m_baseWidth;
    int m_baseHeight;
};
