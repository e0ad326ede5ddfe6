#pragma once

#include <QTextEdit>
#include <QWidget>

class CCantorelView;

// A slot's name box: read-only, centred, multi-line text without a border that
// never shows a caret and takes its own mouse clicks. A box that wraps moves a
// line too long for it onto the next line; the others cut it at the right edge.
class CNameBox : public QTextEdit {
    Q_OBJECT

public:
    CNameBox(bool wraps, QWidget *parent);

    // Shows `text`; CR LF starts a new line.
    void SetWindowText(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// An owner-drawn static control: it draws nothing itself but asks the view to
// draw it, and lets mouse clicks through to the view.
class COwnerDrawnStatic : public QWidget {
    Q_OBJECT

public:
    COwnerDrawnStatic(int id, CCantorelView *owner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const int m_id;
    CCantorelView *const m_owner;
};
