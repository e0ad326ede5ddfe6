#pragma once

#include "rect.h"

#include <QColor>
#include <QString>

// A font as the drawing code asks for it, in GDI's terms.
struct CanvasFont {
    QString face;   // family name; empty stands for the surface's own font
    int height = 0; // negative: character height; positive: cell height; 0: the default height
    int weight = 0; // 100 (thin) to 900 (black); 0: normal

    bool operator==(const CanvasFont &other) const
    {
        return face == other.face && height == other.height && weight == other.weight;
    }
};

// A solid pen one pixel wide.
struct CanvasPen {
    QColor color;
    bool operator==(const CanvasPen &other) const { return color == other.color; }
};

// A solid brush.
struct CanvasBrush {
    QColor color;
    bool operator==(const CanvasBrush &other) const { return color == other.color; }
};

// Whether centred text is cut off at the edges of its rectangle.
enum class TextClip { ToRect, None };

// A drawing surface with the few operations the song sheet and the chord
// diagrams need, in GDI's terms: selections return what they replace, so that
// the caller can select it back; rectangles leave out their right and bottom
// edges and lines their end point. Coordinates are pixels.
//
// A canvas starts like a fresh device context: the surface's own font (the
// `CanvasFont` with no face), black text, a black pen and a white brush.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Selects `font` for text and measuring; returns the font it replaces.
    virtual CanvasFont SelectFont(const CanvasFont &font) = 0;
    // The full height of the selected font: ascent + descent.
    virtual int FontHeight() = 0;
    // The width of `text` as one line in the selected font.
    virtual int TextWidth(const QString &text) = 0;
    // Draws `text` as one line with the top-left corner of its box at (x, y).
    virtual void TextOut(int x, int y, const QString &text) = 0;
    // Draws `text` as one line centred across `rect`, its top at rect.top.
    virtual void DrawCentredText(const Rect &rect, const QString &text, TextClip clip) = 0;
    // Sets the colour of text; returns the colour it replaces.
    virtual QColor SetTextColor(const QColor &color) = 0;

    virtual CanvasPen SelectPen(const CanvasPen &pen) = 0;
    virtual CanvasBrush SelectBrush(const CanvasBrush &brush) = 0;
    // Outlines `rect` with the pen on its inside and fills it with the brush.
    virtual void Rectangle(const Rect &rect) = 0;
    // Draws with the pen from the current position up to, not including,
    // (x, y), which becomes the current position.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // The ellipse inscribed in `rect`, outlined with the pen and filled with the brush.
    virtual void Ellipse(const Rect &rect) = 0;
    // Fills `rect` with `color`, leaving pen and brush alone.
    virtual void FillSolidRect(const Rect &rect, const QColor &color) = 0;
    // The smallest rectangle around the part of the surface that can be drawn on.
    virtual Rect GetClipBox() = 0;
};
