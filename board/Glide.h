// The pawn gliding along one stretch of a move, a few pixels a tick.
#pragma once

#include <QPoint>
#include <QRect>

// Moves At (the top-left corner of the pawn's cell square, in board pixels) up to Step pixels
// towards Dest along the stretch, Horizontal or not, keeping to the stretch's line. Swept is what
// the pawn, PawnSize square at PawnDelta in its cell, covered on the way, in board pixels. True
// once At has reached Dest.
bool GlideStep(QPoint& At, QPoint Dest, bool Horizontal, int Step, int PawnDelta, int PawnSize,
               QRect& Swept);
