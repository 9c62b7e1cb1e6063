// Events of the board's paint box, passed on as they come.
#include "board/BoardBox.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TBoardBox::TBoardBox(QWidget* Parent) : QWidget(Parent) {
    setMouseTracking(false);
}

void TBoardBox::paintEvent(QPaintEvent* Event) {
    QPainter canvas(this);
    if (OnPaint) OnPaint(canvas, Event->region());
}

void TBoardBox::mousePressEvent(QMouseEvent* Event) {
    if (OnPress) OnPress(Event->button(), Event->modifiers(), Event->position(), false);
    Event->accept();
}

void TBoardBox::mouseDoubleClickEvent(QMouseEvent* Event) {
    if (OnPress) OnPress(Event->button(), Event->modifiers(), Event->position(), true);
    Event->accept();
}

void TBoardBox::mouseMoveEvent(QMouseEvent* Event) {
    if (OnMove) OnMove(Event->buttons(), Event->modifiers(), Event->position());
    Event->accept();
}

void TBoardBox::contextMenuEvent(QContextMenuEvent* Event) {
    if (OnMenu) OnMenu(Event->globalPos());
    Event->accept();
}
