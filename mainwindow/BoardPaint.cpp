// The board's paint: the board painter with what the game shows now; and the window's repaint
// requests.
#include "mainwindow/MainWindow.h"

#include "platform/InfoCallout.h"

#include <QPainter>

TBoardScene TVirelMain::Scene() const {
    TBoardScene scene;
    scene.Play = &Session.Play;
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
