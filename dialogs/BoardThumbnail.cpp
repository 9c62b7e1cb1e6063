// Draws a map as small tiles with its pawns on top and a dark frame around the board.
#include "BoardThumbnail.h"

#include "ImageList.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int PawnTile = 8;
} // namespace

int ThumbnailTileSize(qreal Width) {
    return int(std::lround(Width - 8)) / BoardCols;
}

void DrawBoardThumbnail(QPainter& Canvas, qreal Width, const TBoard& Board, int PawnNb,
                        const TPawnArray& PawnPos) {
    if (PawnNb <= 0) return;
    const int c = ThumbnailTileSize(Width);
    if (c <= 0) return;
    const TImageList& tiles = Images::OverView();
    const qreal dpr = Canvas.device() ? Canvas.device()->devicePixelRatioF() : 1.0;
    // Tiles are fetched at the size they are drawn, so they stay sharp and smooth.
    const QSize tileSize(c, c);
    Canvas.save();
    Canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Canvas.setOpacity(1.0);
    auto drawTile = [&](int index, int x, int y) {
        Canvas.drawPixmap(QRect(4 + x * c, 4 + y * c, c, c), tiles.Bitmap(index, tileSize, dpr));
    };
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) {
            const TCellType kind = Board[CellIndex(x, y)];
            drawTile(kind == ctDoorUp ? int(ctDoorDown) : int(kind), x, y);
        }
    for (int i = 0; i < std::min(PawnNb, MaxPawns); ++i)
        if (OnBoard(PawnPos[i].x, PawnPos[i].y)) drawTile(PawnTile, PawnPos[i].x, PawnPos[i].y);
    QPen pen(QColor::fromRgba(0xFF56443B), 5);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    Canvas.setPen(pen);
    Canvas.setBrush(Qt::NoBrush);
    Canvas.drawRect(QRectF(QPointF(2, 2), QPointF(11 * c + 6, 8 * c + 6)));
    Canvas.restore();
}
