#pragma once

#include <QWidget>

#include <functional>

class Canvas;

// An owner-drawn static control: it paints nothing of its own, not even a
// background, and hands every paint to its owner with a canvas over itself.
class COwnerDrawnStatic : public QWidget {
    Q_OBJECT
public:
    using DrawItem = std::function<void(int id, Canvas &canvas)>;

    COwnerDrawnStatic(int id, DrawItem drawItem, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_id;
    DrawItem m_drawItem;
};
