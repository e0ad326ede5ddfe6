#include "ownerdrawnstatic.h"

#include "qpaintercanvas.h"

#include <QPainter>

COwnerDrawnStatic::COwnerDrawnStatic(int id, DrawItem drawItem, QWidget *parent)
    : QWidget(parent)
    , m_id(id)
    , m_drawItem(std::move(drawItem))
{
}

void COwnerDrawnStatic::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    m_drawItem(m_id, canvas);
}
