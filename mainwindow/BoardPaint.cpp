// Draws the board: floor, pawns and the raised blocks that fill the margin, either in full or,
// during an animation, just the cells under the moving pawn; and asks for repaints.
#include "mainwindow/MainWindow.h"

#include "platform/Callout.h"
#include "platform/ImageList.h"
#include "rules/PlayInput.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>
#include <cmath>

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

const TVirelMain::TBoardPictures& TVirelMain::BoardPictures() {
    const qreal ratio = pbBoard->devicePixelRatioF();
    if (Pictures.CellSize != CellSize || Pictures.Ratio != ratio || Pictures.Rised[0].isNull()) {
        Pictures.CellSize = CellSize;
        Pictures.Ratio = ratio;
        const QSize cell(CellSize, CellSize), rised(RisedSize, RisedSize), pawn(PawnSize, PawnSize);
        // Picture 0 (wall over floor) belongs to the palette; the board never draws it.
        for (int i = 1; i < int(Pictures.Cell.size()); ++i)
            Pictures.Cell[size_t(i)] = Images::Cell().Bitmap(i, cell, ratio);
        for (int i = 0; i < 2; ++i) {
            Pictures.Rised[size_t(i)] = Images::Rised().Bitmap(i, rised, ratio);
            Pictures.Pawn[size_t(i)] = Images::Pawn().Bitmap(i, pawn, ratio);
        }
    }
    return Pictures;
}

void TVirelMain::PaintFloor(QPainter& Canvas, int Col0, int Row0, int Col1, int Row1) {
    const TBoardPictures& pics = BoardPictures();
    const TBoard& board = Session.Play.CurMap.Board;
    for (int r = std::max(Row0, 0); r <= std::min(Row1, BoardRows - 1); ++r)
        for (int c = std::max(Col0, 0); c <= std::min(Col1, BoardCols - 1); ++c) {
            const TCellType kind = board[size_t(CellIndex(c, r))];
            if (kind == ctWall || kind == ctDoorUp) continue;
            Canvas.drawPixmap(BorderX + c * CellSize, BorderY + r * CellSize,
                              pics.Cell[size_t(kind)]);
        }
}

void TVirelMain::pbBoardPaint(QPainter& Canvas, const QRegion& Pending) {
    if (CellSize <= 0) return;
    const TBoardPictures& pics = BoardPictures();
    const TMap& map = Session.Play.CurMap;
    const int boardW = BoardCols * CellSize, boardH = BoardRows * CellSize;

    // During an animation, one pending rectangle inside the board is the moving pawn's sweep:
    // only the floor under it and that pawn need drawing.
    if (!Session.IsIdle() && Pending.rectCount() == 1) {
        const QRect r = Pending.boundingRect().translated(-BorderX, -BorderY);
        const int right = r.x() + r.width(), bottom = r.y() + r.height();
        if (r.x() >= 0 && r.y() >= 0 && right <= boardW && bottom <= boardH) {
            PaintFloor(Canvas, r.x() / CellSize, r.y() / CellSize, right / CellSize,
                       bottom / CellSize);
            Canvas.drawPixmap(BorderX + AnimPawnX + PawnDelta, BorderY + AnimPawnY + PawnDelta,
                              pics.Pawn[Images::piPawnB]);
            LastPaintPartial = true;
            ++PartialPaints;
            return;
        }
    }
    LastPaintPartial = false;
    ++FullPaints;

    PaintFloor(Canvas, 0, 0, BoardCols - 1, BoardRows - 1);

    const bool moving = Session.Sliding();
    for (int i = 1; i <= std::min(map.PawnNb, MaxPawns); ++i) {
        int x, y;
        if (moving && i == Session.Play.PawnIndex) {
            x = AnimPawnX;
            y = AnimPawnY;
        } else {
            x = map.PawnPos[size_t(i - 1)].x * CellSize;
            y = map.PawnPos[size_t(i - 1)].y * CellSize;
        }
        Canvas.drawPixmap(
            BorderX + x + PawnDelta, BorderY + y + PawnDelta,
            pics.Pawn[i == Session.Play.PawnIndex ? Images::piPawnB : Images::piPawnG]);
    }

    // Raised blocks, row by row and left to right, so each shadow falls under the next block;
    // the margin is walled up to the paint box's edges.
    const int w = pbBoard->width(), h = pbBoard->height();
    const int colsLeft = (BorderX + CellSize - WallDelta - 1) / CellSize;
    const int rowsAbove = (BorderY + CellSize - WallDelta - 1) / CellSize;
    const int colsRight = (w - BorderX) / CellSize - 10;
    const int rowsBelow = (h - BorderY) / CellSize - 7;
    const int x0 = BorderX - colsLeft * CellSize - WallDelta;
    const QPixmap& wall = pics.Rised[Images::riWall];
    const QPixmap& doorUp = pics.Rised[Images::riDoorUp];
    int y = BorderY - rowsAbove * CellSize - WallDelta;
    const int rowCells = colsLeft + BoardCols + colsRight;
    const auto wallRow = [&] {
        int x = x0;
        for (int i = 0; i < rowCells; ++i, x += CellSize) Canvas.drawPixmap(x, y, wall);
        y += CellSize;
    };
    for (int i = 0; i < rowsAbove; ++i) wallRow();
    for (int r = 0; r < BoardRows; ++r) {
        int x = x0;
        for (int i = 0; i < colsLeft; ++i, x += CellSize) Canvas.drawPixmap(x, y, wall);
        for (int c = 0; c < BoardCols; ++c, x += CellSize) {
            const TCellType kind = map.Board[size_t(CellIndex(c, r))];
            if (kind == ctWall)
                Canvas.drawPixmap(x, y, wall);
            else if (kind == ctDoorUp)
                Canvas.drawPixmap(x, y, doorUp);
        }
        for (int i = 0; i < colsRight; ++i, x += CellSize) Canvas.drawPixmap(x, y, wall);
        y += CellSize;
    }
    for (int i = 0; i < rowsBelow; ++i) wallRow();
    PaintStops(Canvas);
}

void TVirelMain::PaintStops(QPainter& Canvas) {
    if (!ShowStops || Session.EditMode || !Session.IsIdle() || Session.UndoChainRunning()) return;
    // A small arrowhead in the cell where the pawn would come to rest, pointing the way it
    // went, set back towards the side it arrives from, so two directions ending on the same
    // cell stay apart.
    const qreal half = CellSize / 2.0, size = std::max(5.0, CellSize / 7.0);
    Canvas.save();
    Canvas.setRenderHint(QPainter::Antialiasing);
    Canvas.setPen(QPen(QColor(255, 255, 255, 230), std::max(1.0, CellSize / 40.0)));
    Canvas.setBrush(QColor(0x1f, 0x5f, 0xd0, 215));
    for (const TStopMark& stop : StopsOf(Session.Play, Session.Play.PawnIndex)) {
        const int d = int(Directions.indexOf(stop.Direction));
        const QPointF way(d == 0 ? -1 : d == 2 ? 1 : 0, d == 1 ? -1 : d == 3 ? 1 : 0);
        const QPointF side(-way.y(), way.x());
        const QPointF centre = QPointF(BorderX + stop.Cell.x * CellSize + half,
                                       BorderY + stop.Cell.y * CellSize + half) -
                               way * (CellSize / 5.0);
        const QPointF tip = centre + way * size;
        const QPointF back = centre - way * (size * 0.6);
        const QPolygonF head{tip, back + side * size, back - side * size};
        Canvas.drawPolygon(head);
    }
    Canvas.restore();
}

void TVirelMain::SetShowStops(bool On) {
    crInfo->hide();
    ShowStops = On;
    InvalidateBoard();
}

QRect TVirelMain::BoardRect() const {
    return QRect(BorderX - WallDelta, BorderY - WallDelta, BoardCols * CellSize,
                 BoardRows * CellSize);
}

QRect TVirelMain::CellRect(int Col, int Row) const {
    return QRect(BorderX + Col * CellSize - WallDelta, BorderY + Row * CellSize - WallDelta,
                 RisedSize + 1, RisedSize + 1);
}

QRect TVirelMain::PawnRect(int Index) const {
    if (Index < 1 || Index > std::min(Session.Play.CurMap.PawnNb, MaxPawns)) return QRect();
    const TSmallPoint p = Session.Play.CurMap.PawnPos[size_t(Index - 1)];
    return QRect(BorderX + p.x * CellSize + PawnDelta, BorderY + p.y * CellSize + PawnDelta,
                 PawnSize, PawnSize);
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
