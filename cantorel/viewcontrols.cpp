#include "viewcontrols.h"

#include "cantorelview.h"
#include "qpaintercanvas.h"

#include <QMouseEvent>
#include <QPainter>

CNameBox::CNameBox(bool wraps, QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFrameStyle(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(wraps ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    document()->setDocumentMargin(0);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(wraps ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    document()->setDefaultTextOption(centred);
}

void CNameBox::SetWindowText(const QString &text)
{
    setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// The box keeps its clicks, so that they never start a drag of the sheet.
void CNameBox::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    event->accept();
}

void CNameBox::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    event->accept();
}

void CNameBox::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    event->accept();
}

COwnerDrawnStatic::COwnerDrawnStatic(int id, CCantorelView *owner)
    : QWidget(owner)
    , m_id(id)
    , m_owner(owner)
{
}

void COwnerDrawnStatic::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    m_owner->OnDrawItem(m_id, canvas);
}
