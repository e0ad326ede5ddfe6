#pragma once

#include "canvas.h"

#include <cstdlib>
#include <ostream>
#include <utility>
#include <vector>

// One piece of text as the drawing code put it on a canvas.
struct DrawnText {
    QString text;
    int x = 0;
    int y = 0;
    CanvasFont font;
    QColor color;

    bool operator==(const DrawnText &other) const
    {
        return text == other.text && x == other.x && y == other.y && font == other.font && color == other.color;
    }
};

inline void PrintTo(const DrawnText &piece, std::ostream *out)
{
    *out << '"' << QString(piece.text).replace(u'\r', QLatin1String("\\r")).toStdString() << "\" at " << piece.x << ',' << piece.y << " in " << piece.font.face.toStdString()
         << ' ' << piece.font.height << '/' << piece.font.weight << ' ' << piece.color.name().toStdString();
}

// A canvas that records the text drawn on it, with font metrics simple enough
// to work layouts out by hand: a font of size s (its |height|, or 12 for the
// default height 0) is s + 3 high, and each character is s / 2 wide, one more
// in bold. Centred text is recorded at the x where it starts. Shapes are not
// recorded, and the clip box is empty.
class RecordingCanvas : public Canvas {
public:
    static constexpr int kDefaultSize = 12;

    std::vector<DrawnText> texts;

    const CanvasFont &font() const { return m_font; }
    const QColor &textColor() const { return m_textColor; }

    CanvasFont SelectFont(const CanvasFont &font) override { return std::exchange(m_font, font); }
    int FontHeight() override { return Size() + 3; }
    int TextWidth(const QString &text) override
    {
        return static_cast<int>(text.size()) * (Size() / 2 + (m_font.weight >= 700 ? 1 : 0));
    }
    void TextOut(int x, int y, const QString &text) override { texts.push_back({text, x, y, m_font, m_textColor}); }
    void DrawCentredText(const Rect &rect, const QString &text, TextClip) override
    {
        TextOut(rect.left + (rect.width() - TextWidth(text)) / 2, rect.top, text);
    }
    QColor SetTextColor(const QColor &color) override { return std::exchange(m_textColor, color); }

    CanvasPen SelectPen(const CanvasPen &pen) override { return std::exchange(m_pen, pen); }
    CanvasBrush SelectBrush(const CanvasBrush &brush) override { return std::exchange(m_brush, brush); }
    void Rectangle(const Rect &) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Ellipse(const Rect &) override {}
    void FillSolidRect(const Rect &, const QColor &) override {}
    Rect GetClipBox() override { return Rect{}; }

private:
    int Size() const { return m_font.height == 0 ? kDefaultSize : std::abs(m_font.height); }

    CanvasFont m_font;
    QColor m_textColor{Qt::black};
    CanvasPen m_pen{Qt::black};
    CanvasBrush m_brush{Qt::white};
};
