// The board's paint box: a plain widget that hands its paints, presses, pointer moves and menu
// requests to whoever shows the board.
#pragma once

#include <QWidget>
#include <functional>

class TBoardBox : public QWidget {
    Q_OBJECT
public:
    explicit TBoardBox(QWidget* Parent = nullptr);

    // Pending is the region waiting to be repainted.
    std::function<void(QPainter& Canvas, const QRegion& Pending)> OnPaint;
    // A press; the second press of a double click arrives marked as such.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPointF, bool DoubleClick)> OnPress;
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF)> OnMove;
    // The right button (or the menu key), at a place on the screen.
    std::function<void(QPoint GlobalPos)> OnMenu;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
};
