#pragma once

#include "canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

#include <vector>

class QPainter;

// A canvas over a QPainter: the screen, a QImage or a printer. Lines and shapes
// are drawn without antialiasing, so that pixels land where the coordinates
// say. The painter is handed back in the state the canvas found it in.
class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter &painter);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas &) = delete;
    QPainterCanvas &operator=(const QPainterCanvas &) = delete;

    CanvasFont SelectFont(const CanvasFont &font) override;
    int FontHeight() override;
    int TextWidth(const QString &text) override;
    void TextOut(int x, int y, const QString &text) override;
    void DrawCentredText(const Rect &rect, const QString &text, TextClip clip) override;
    QColor SetTextColor(const QColor &color) override;

    CanvasPen SelectPen(const CanvasPen &pen) override;
    CanvasBrush SelectBrush(const CanvasBrush &brush) override;
    void Rectangle(const Rect &rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(const Rect &rect) override;
    void FillSolidRect(const Rect &rect, const QColor &color) override;
    Rect GetClipBox() override;

private:
    // A font made and measured once and kept while the canvas lives, so that
    // selecting it again costs no font look-up.
    struct LoadedFont {
        CanvasFont request;
        QFont qtFont;
        QFontMetrics metrics;
        int ascent;
        int height; // ascent + descent
    };

    std::size_t Load(const CanvasFont &font);
    LoadedFont MeasuredFont(const CanvasFont &request, const QFont &qtFont) const;
    QFont QtFont(const CanvasFont &font) const;
    const LoadedFont &SelectedFont() const { return m_loadedFonts[m_selectedFont]; }
    void UseShapePenAndBrush();

    QPainter &m_painter;
    std::vector<LoadedFont> m_loadedFonts; // the first is the surface's own font
    CanvasFont m_font;
    std::size_t m_selectedFont = 0;
    QColor m_textColor = Qt::black;
    CanvasPen m_pen{Qt::black};
    CanvasBrush m_brush{Qt::white};
    QPoint m_position;
};
