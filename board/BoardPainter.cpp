// The board's pictures laid out cell by cell, the raised blocks last, row by row, so that each
// block's shadow falls on what lies below it.
#include "board/BoardPainter.h"

#include "platform/ImageList.h"
#include "rules/Play.h"
#include "rules/PlayInput.h"

#include <QPainter>
#include <QPolygonF>
#include <QRegion>
#include <algorithm>

QRect TBoardScene::BoardRect() const {
    const TCellMetrics& m = Metrics;
    return QRect(Border.x() - m.WallDelta, Border.y() - m.WallDelta, BoardCols * m.CellSize,
                 BoardRows * m.CellSize);
}

QRect TBoardScene::CellRect(int Col, int Row) const {
    const TCellMetrics& m = Metrics;
    return QRect(Border.x() + Col * m.CellSize - m.WallDelta,
                 Border.y() + Row * m.CellSize - m.WallDelta, m.RisedSize + 1, m.RisedSize + 1);
}

QRect TBoardScene::PawnRect(int Index) const {
    if (!Play || Index < 1 || Index > std::min(Play->CurMap.PawnNb, MaxPawns)) return QRect();
    const TSmallPoint p = Play->CurMap.PawnPos[size_t(Index - 1)];
    const TCellMetrics& m = Metrics;
    return QRect(Border.x() + p.x * m.CellSize + m.PawnDelta,
                 Border.y() + p.y * m.CellSize + m.PawnDelta, m.PawnSize, m.PawnSize);
}

const TBoardPainter::TPictures& TBoardPainter::Pictures(const TCellMetrics& Metrics, qreal Ratio) {
    if (Cache.CellSize != Metrics.CellSize || Cache.Ratio != Ratio || Cache.Rised[0].isNull()) {
        Cache.CellSize = Metrics.CellSize;
        Cache.Ratio = Ratio;
        const QSize cell(Metrics.CellSize, Metrics.CellSize);
        const QSize rised(Metrics.RisedSize, Metrics.RisedSize);
        const QSize pawn(Metrics.PawnSize, Metrics.PawnSize);
        // Picture 0 (wall over floor) belongs to the palette; the board never draws it.
        for (int i = 1; i < int(Cache.Cell.size()); ++i)
            Cache.Cell[size_t(i)] = Images::Cell().Bitmap(i, cell, Ratio);
        for (int i = 0; i < 2; ++i) {
            Cache.Rised[size_t(i)] = Images::Rised().Bitmap(i, rised, Ratio);
            Cache.Pawn[size_t(i)] = Images::Pawn().Bitmap(i, pawn, Ratio);
        }
    }
    return Cache;
}

void TBoardPainter::PaintFloor(QPainter& Canvas, const TBoardScene& Scene, QRect Cells) {
    const int cellSize = Scene.Metrics.CellSize;
    const TBoard& board = Scene.Play->CurMap.Board;
    for (int r = std::max(Cells.top(), 0); r <= std::min(Cells.bottom(), BoardRows - 1); ++r)
        for (int c = std::max(Cells.left(), 0); c <= std::min(Cells.right(), BoardCols - 1); ++c) {
            const TCellType kind = board[size_t(CellIndex(c, r))];
            if (kind == ctWall || kind == ctDoorUp) continue;
            Canvas.drawPixmap(Scene.Border.x() + c * cellSize, Scene.Border.y() + r * cellSize,
                              Cache.Cell[size_t(kind)]);
        }
}

bool TBoardPainter::Paint(QPainter& Canvas, const QRegion& Pending, const TBoardScene& Scene,
                          qreal Ratio) {
    const TCellMetrics& m = Scene.Metrics;
    const int cellSize = m.CellSize;
    if (cellSize <= 0 || !Scene.Play) return false;
    const TPictures& pics = Pictures(m, Ratio);
    const TPlay& play = *Scene.Play;
    const TMap& map = play.CurMap;
    const QPoint border = Scene.Border;

    // During an animation, one pending rectangle inside the board is the moving pawn's sweep:
    // only the floor under it and that pawn need drawing.
    if (Scene.Moving && Pending.rectCount() == 1) {
        const QRect r = Pending.boundingRect().translated(-border);
        const int right = r.x() + r.width(), bottom = r.y() + r.height();
        if (r.x() >= 0 && r.y() >= 0 && right <= BoardCols * cellSize &&
            bottom <= BoardRows * cellSize) {
            PaintFloor(Canvas, Scene,
                       QRect(QPoint(r.x() / cellSize, r.y() / cellSize),
                             QPoint(right / cellSize, bottom / cellSize)));
            Canvas.drawPixmap(border + Scene.Glide + QPoint(m.PawnDelta, m.PawnDelta),
                              pics.Pawn[Images::piPawnB]);
            return true;
        }
    }

    PaintFloor(Canvas, Scene, QRect(0, 0, BoardCols, BoardRows));
    for (int i = 1; i <= std::min(map.PawnNb, MaxPawns); ++i) {
        const TSmallPoint at = map.PawnPos[size_t(i - 1)];
        const QPoint cell = Scene.Sliding && i == play.PawnIndex
                                ? Scene.Glide
                                : QPoint(at.x * cellSize, at.y * cellSize);
        Canvas.drawPixmap(border + cell + QPoint(m.PawnDelta, m.PawnDelta),
                          pics.Pawn[i == play.PawnIndex ? Images::piPawnB : Images::piPawnG]);
    }
    PaintRaised(Canvas, Scene);
    if (Scene.ShowStops) PaintStops(Canvas, Scene);
    return false;
}

void TBoardPainter::PaintRaised(QPainter& Canvas, const TBoardScene& Scene) {
    // Row by row and left to right, so each shadow falls under the next block; the margin is
    // walled up to the paint box's edges.
    const int cellSize = Scene.Metrics.CellSize, wallDelta = Scene.Metrics.WallDelta;
    const int bx = Scene.Border.x(), by = Scene.Border.y();
    const int colsLeft = (bx + cellSize - wallDelta - 1) / cellSize;
    const int rowsAbove = (by + cellSize - wallDelta - 1) / cellSize;
    const int colsRight = (Scene.Box.width() - bx) / cellSize - 10;
    const int rowsBelow = (Scene.Box.height() - by) / cellSize - 7;
    const int x0 = bx - colsLeft * cellSize - wallDelta;
    const QPixmap& wall = Cache.Rised[Images::riWall];
    const QPixmap& doorUp = Cache.Rised[Images::riDoorUp];
    const TBoard& board = Scene.Play->CurMap.Board;
    const int rowCells = colsLeft + BoardCols + colsRight;
    int y = by - rowsAbove * cellSize - wallDelta;
    for (int r = -rowsAbove; r < BoardRows + rowsBelow; ++r, y += cellSize) {
        int x = x0;
        for (int i = 0; i < rowCells; ++i, x += cellSize) {
            const int c = i - colsLeft;
            const bool inBoard = r >= 0 && r < BoardRows && c >= 0 && c < BoardCols;
            const TCellType kind = inBoard ? board[size_t(CellIndex(c, r))] : ctWall;
            if (kind == ctWall)
                Canvas.drawPixmap(x, y, wall);
            else if (kind == ctDoorUp)
                Canvas.drawPixmap(x, y, doorUp);
        }
    }
}

void TBoardPainter::PaintStops(QPainter& Canvas, const TBoardScene& Scene) {
    // A small arrowhead in the cell where the pawn would come to rest, pointing the way it
    // went, set back towards the side it arrives from, so two directions ending on the same
    // cell stay apart.
    const int cellSize = Scene.Metrics.CellSize;
    const qreal half = cellSize / 2.0, size = std::max(5.0, cellSize / 7.0);
    Canvas.save();
    Canvas.setRenderHint(QPainter::Antialiasing);
    Canvas.setPen(QPen(QColor(255, 255, 255, 230), std::max(1.0, cellSize / 40.0)));
    Canvas.setBrush(QColor(0x1f, 0x5f, 0xd0, 215));
    for (const TStopMark& stop : StopsOf(*Scene.Play, Scene.Play->PawnIndex)) {
        const int d = int(Directions.indexOf(stop.Direction));
        const QPointF way(d == 0 ? -1 : d == 2 ? 1 : 0, d == 1 ? -1 : d == 3 ? 1 : 0);
        const QPointF side(-way.y(), way.x());
        const QPointF centre = QPointF(Scene.Border.x() + stop.Cell.x * cellSize + half,
                                       Scene.Border.y() + stop.Cell.y * cellSize + half) -
                               way * (cellSize / 5.0);
        const QPointF tip = centre + way * size;
        const QPointF back = centre - way * (size * 0.6);
        Canvas.drawPolygon(QPolygonF{tip, back + side * size, back - side * size});
    }
    Canvas.restore();
}
