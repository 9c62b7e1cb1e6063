// Draws the board into its paint box: floor, pawns, the raised blocks that fill the margin and
// the stop marks; during a move, just the cells under the gliding pawn. It knows nothing of
// widgets: the window hands it a painter and what to show.
#pragma once

#include "rules/Types.h"
#include "session/BoardGeometry.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <array>

class QPainter;
class QRegion;
class TPlay;

// What one paint shows, in the paint box's logical pixels.
struct TBoardScene {
    const TPlay* Play = nullptr;
    TCellMetrics Metrics;
    QPoint Border;        // the board's top-left corner
    QSize Box;            // the paint box
    bool Moving = false;  // the clock is not idle: a pending sweep may be drawn alone
    bool Sliding = false; // the selected pawn glides and stands at Glide
    QPoint Glide;         // top-left corner of the gliding pawn's cell square, board coordinates
    bool ShowStops = false;

    // The rectangles a repaint asks for: the whole board, one cell with its raised block, and
    // the pawn Index where it stands (empty for no such pawn).
    QRect BoardRect() const;
    QRect CellRect(int Col, int Row) const;
    QRect PawnRect(int Index) const;
};

class TBoardPainter {
public:
    // Paints Scene where Pending needs it, with pictures at pixel ratio Ratio; true when only
    // the floor under the gliding pawn's sweep and that pawn were drawn.
    bool Paint(QPainter& Canvas, const QRegion& Pending, const TBoardScene& Scene, qreal Ratio);

private:
    // The board's pictures at one cell size and pixel ratio, made again when either changes.
    struct TPictures {
        int CellSize = 0;
        qreal Ratio = 0;
        std::array<QPixmap, 8> Cell;
        std::array<QPixmap, 2> Rised;
        std::array<QPixmap, 2> Pawn;
    };
    const TPictures& Pictures(const TCellMetrics& Metrics, qreal Ratio);
    void PaintFloor(QPainter& Canvas, const TBoardScene& Scene, QRect Cells);
    void PaintRaised(QPainter& Canvas, const TBoardScene& Scene);
    static void PaintStops(QPainter& Canvas, const TBoardScene& Scene);

    TPictures Cache;
};
