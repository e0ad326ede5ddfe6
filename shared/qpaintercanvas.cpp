#include "qpaintercanvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Song sheets ask for "Baskerville". Where no font of that name is installed the
// Baskerville revival of fonts-adf-baskervald stands in, and failing that the
// serif hint makes the font system fall back on its serif, never on its sans.
const QString kBaskervilleFace = QStringLiteral("Baskerville");
const QString kBaskervilleRevival = QStringLiteral("Baskervald ADF Std");

QRect QtRect(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

// Qt draws a rectangle or an ellipse one pixel wider and taller than the
// QRect it is given, with a one-pixel pen; GDI's right and bottom edges lie
// just outside the figure.
QRect QtShapeRect(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1);
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter &painter)
    : m_painter(painter)
    , m_surfaceFont(painter.font())
    , m_metrics(painter.font(), painter.device())
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

QPainterCanvas::~QPainterCanvas()
{
    m_painter.restore();
}

QFont QPainterCanvas::QtFont(const CanvasFont &font) const
{
    if (font.face.isEmpty())
        return m_surfaceFont;

    QFont qtFont;
    if (font.face == kBaskervilleFace) {
        qtFont.setFamilies({font.face, kBaskervilleRevival});
        qtFont.setStyleHint(QFont::Serif);
    } else {
        qtFont.setFamilies({font.face});
    }
    qtFont.setWeight(font.weight == 0 ? QFont::Normal : QFont::Weight(std::clamp(font.weight, 1, 1000)));

    // A negative height is the em size; a positive one is the cell
    // (ascent + descent), so scale the em size to make the cell that tall;
    // 0 keeps the application's default size.
    if (font.height < 0) {
        qtFont.setPixelSize(-font.height);
    } else if (font.height > 0) {
        qtFont.setPixelSize(font.height);
        const QFontMetricsF cell(qtFont, m_painter.device());
        const qreal cellHeight = cell.ascent() + cell.descent();
        if (cellHeight > 0)
            qtFont.setPixelSize(std::max(1, qRound(qreal(font.height) * font.height / cellHeight)));
    }
    return qtFont;
}

CanvasFont QPainterCanvas::SelectFont(const CanvasFont &font)
{
    const QFont qtFont = QtFont(font);
    m_painter.setFont(qtFont);
    m_metrics = QFontMetrics(qtFont, m_painter.device());
    return std::exchange(m_font, font);
}

int QPainterCanvas::FontHeight()
{
    return m_metrics.ascent() + m_metrics.descent();
}

int QPainterCanvas::TextWidth(const QString &text)
{
    return m_metrics.horizontalAdvance(text);
}

void QPainterCanvas::TextOut(int x, int y, const QString &text)
{
    m_painter.setPen(m_textColor);
    m_painter.drawText(QPoint(x, y + m_metrics.ascent()), text);
}

void QPainterCanvas::DrawCentredText(const Rect &rect, const QString &text, TextClip clip)
{
    const int x = rect.left + (rect.width() - TextWidth(text)) / 2;
    if (clip == TextClip::None) {
        TextOut(x, rect.top, text);
        return;
    }
    m_painter.save();
    m_painter.setClipRect(QtRect(rect), Qt::IntersectClip);
    TextOut(x, rect.top, text);
    m_painter.restore();
}

QColor QPainterCanvas::SetTextColor(const QColor &color)
{
    return std::exchange(m_textColor, color);
}

CanvasPen QPainterCanvas::SelectPen(const CanvasPen &pen)
{
    return std::exchange(m_pen, pen);
}

CanvasBrush QPainterCanvas::SelectBrush(const CanvasBrush &brush)
{
    return std::exchange(m_brush, brush);
}

void QPainterCanvas::UseShapePenAndBrush()
{
    m_painter.setPen(QPen(m_pen.color, 1));
    m_painter.setBrush(m_brush.color);
}

void QPainterCanvas::Rectangle(const Rect &rect)
{
    UseShapePenAndBrush();
    m_painter.drawRect(QtShapeRect(rect));
}

void QPainterCanvas::MoveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y)
{
    const QPoint from = std::exchange(m_position, QPoint(x, y));
    const QPoint delta = m_position - from;
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    if (steps == 0)
        return;
    // Qt draws the end point too; stop one step short of it along the line.
    const QPoint last = m_position - QPoint(qRound(qreal(delta.x()) / steps), qRound(qreal(delta.y()) / steps));
    m_painter.setPen(QPen(m_pen.color, 1));
    if (last == from)
        m_painter.drawPoint(from);
    else
        m_painter.drawLine(from, last);
}

void QPainterCanvas::Ellipse(const Rect &rect)
{
    UseShapePenAndBrush();
    m_painter.drawEllipse(QtShapeRect(rect));
}

void QPainterCanvas::FillSolidRect(const Rect &rect, const QColor &color)
{
    m_painter.fillRect(QtRect(rect), color);
}

Rect QPainterCanvas::GetClipBox()
{
    const QRect box = m_painter.hasClipping() ? m_painter.clipBoundingRect().toAlignedRect() : m_painter.window();
    return Rect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}
