// The board's paint box: its events go to the window, its paint to the board painter with what
// the game shows now; and the repaint requests of the window.
#include "mainwindow/MainWindow.h"

#include "platform/InfoCallout.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TBoardBox::TBoardBox(TVirelMain* Window, QWidget* Parent) : QWidget(Parent), Owner(Window) {
    setMouseTracking(false);
}

void TBoardBox::paintEvent(QPaintEvent* Event) {
    QPainter canvas(this);
    Owner->pbBoardPaint(canvas, Event->region());
}

void TBoardBox::mousePressEvent(QMouseEvent* Event) {
    Owner->pbBoardMouseDown(Event->button(), Event->modifiers(), Event->position(), false);
    Event->accept();
}

void TBoardBox::mouseDoubleClickEvent(QMouseEvent* Event) {
    Owner->pbBoardMouseDown(Event->button(), Event->modifiers(), Event->position(), true);
    Event->accept();
}

void TBoardBox::contextMenuEvent(QContextMenuEvent* Event) {
    Owner->pbBoardContextMenu(Event->globalPos());
    Event->accept();
}

void TBoardBox::mouseMoveEvent(QMouseEvent* Event) {
    Owner->pbBoardMouseMove(Event->buttons(), Event->modifiers(), Event->position());
    Event->accept();
}

TBoardScene TVirelMain::Scene() const {
    TBoardScene scene;
    scene.Play = &Session.Play;
    scene.Metrics = Geometry.Metrics;
    scene.Metrics.CellSize = CellSize;
    scene.Metrics.PawnSize = PawnSize;
    scene.Metrics.PawnDelta = PawnDelta;
    scene.Metrics.RisedSize = RisedSize;
    scene.Metrics.WallDelta = WallDelta;
    scene.Border = QPoint(BorderX, BorderY);
    scene.Box = pbBoard->size();
    scene.Moving = !Session.IsIdle();
    scene.Sliding = Session.Sliding();
    scene.Glide = QPoint(AnimPawnX, AnimPawnY);
    scene.ShowStops =
        ShowStops && !Session.EditMode && Session.IsIdle() && !Session.UndoChainRunning();
    return scene;
}

void TVirelMain::pbBoardPaint(QPainter& Canvas, const QRegion& Pending) {
    if (CellSize <= 0) return;
    LastPaintPartial = Painter.Paint(Canvas, Pending, Scene(), pbBoard->devicePixelRatioF());
    ++(LastPaintPartial ? PartialPaints : FullPaints);
}

void TVirelMain::SetShowStops(bool On) {
    crInfo->hide();
    ShowStops = On;
    InvalidateBoard();
}

QRect TVirelMain::BoardRect() const {
    return Scene().BoardRect();
}

QRect TVirelMain::CellRect(int Col, int Row) const {
    return Scene().CellRect(Col, Row);
}

QRect TVirelMain::PawnRect(int Index) const {
    return Scene().PawnRect(Index);
}

void TVirelMain::InvalidateBoard() {
    pbBoard->update(BoardRect());
}

void TVirelMain::InvalidateCell(int Col, int Row) {
    pbBoard->update(CellRect(Col, Row));
}

void TVirelMain::InvalidatePawn(int Index) {
    const QRect r = PawnRect(Index);
    if (!r.isEmpty()) pbBoard->update(r);
}
