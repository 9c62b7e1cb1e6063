// Draws a map as small tiles with its pawns on top and a dark frame around the board.
#include "dialogs/BoardThumbnail.h"

#include "platform/ImageList.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int PawnTile = 8;
// At the dialog's design size: the margin around the tiles and the frame's stroke.
constexpr qreal Margin = 4;
constexpr qreal FrameWidth = 5;

qreal ValidScale(qreal Scale) {
    return Scale > 0 && std::isfinite(Scale) ? Scale : 1;
}
} // namespace

int ThumbnailTileSize(qreal Width, qreal Scale) {
    return int(std::lround(Width - 2 * Margin * ValidScale(Scale))) / BoardCols;
}

void DrawBoardThumbnail(QPainter& Canvas, qreal Width, const TBoard& Board, int PawnNb,
                        const TPawnArray& PawnPos, qreal Scale) {
    if (PawnNb <= 0) return;
    const qreal s = ValidScale(Scale);
    const int c = ThumbnailTileSize(Width, s);
    if (c <= 0) return;
    // Tiles stand on whole pixels, so they keep sharp edges at any scale.
    const int m = int(std::lround(Margin * s));
    const TImageList& tiles = Images::OverView();
    const qreal dpr = Canvas.device() ? Canvas.device()->devicePixelRatioF() : 1.0;
    // Tiles are fetched at the size they are drawn, so they stay sharp and smooth.
    const QSize tileSize(c, c);
    Canvas.save();
    Canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Canvas.setOpacity(1.0);
    auto drawTile = [&](int index, int x, int y) {
        Canvas.drawPixmap(QRect(m + x * c, m + y * c, c, c), tiles.Bitmap(index, tileSize, dpr));
    };
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) {
            const TCellType kind = Board[CellIndex(x, y)];
            drawTile(kind == ctDoorUp ? int(ctDoorDown) : int(kind), x, y);
        }
    for (int i = 0; i < std::min(PawnNb, MaxPawns); ++i)
        if (OnBoard(PawnPos[i].x, PawnPos[i].y)) drawTile(PawnTile, PawnPos[i].x, PawnPos[i].y);
    QPen pen(QColor::fromRgba(0xFF56443B), FrameWidth * s);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    Canvas.setPen(pen);
    Canvas.setBrush(Qt::NoBrush);
    // The frame's middle runs half a margin outside the tiles, so it covers the margin and the
    // outer edge of the outermost tiles.
    const qreal edge = m / 2.0;
    Canvas.drawRect(
        QRectF(QPointF(edge, edge), QPointF(m + BoardCols * c + edge, m + BoardRows * c + edge)));
    Canvas.restore();
}
