#pragma once

#include "canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

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
    QFont QtFont(const CanvasFont &font) const;
    void UseShapePenAndBrush();

    QPainter &m_painter;
    const QFont m_surfaceFont;
    CanvasFont m_font;
    QFontMetrics m_metrics;
    QColor m_textColor = Qt::black;
    CanvasPen m_pen{Qt::black};
    CanvasBrush m_brush{Qt::white};
    QPoint m_position;
};
